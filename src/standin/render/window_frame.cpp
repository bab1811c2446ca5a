#include "standin/render/window_frame.h"

#include <algorithm>
#include <string>

#include "core/platform/paths.h"
#include "standin/render/catalogue_lookup.h"
#include "standin/render/frame_selection.h"
#include "standin/render/nine_slice_painter.h"
#include "standin/render/skin_colours.h"
#include "standin/render/skin_text.h"
#include "standin/render/texture_tile.h"
#include "standin/render/glass_frame_buttons.h"
#include "standin/render/titlebar_buttons.h"

namespace tessera::render {

namespace {

enum class FrameLayout { BorderPictures, FramePictures, Texture, SystemColours };

// One border picture of the "Personality" layout.
struct Border {
  const QImage* picture = nullptr;
  QRect source;
  int marginA = 0;  // top (left/right borders) or left (top/bottom borders) margin
  int marginB = 0;
  bool stretch = false;
};

// Frame pictures cut the window's shape: magenta is transparent in a BMP, alpha in the others.
Transparency FramePictureTransparency(const std::string& path) {
  return paths::equalsIgnoreCase(paths::extension(path), "bmp") ? Transparency::MagentaKey : Transparency::PerPixel;
}

FrameLayout layoutOf(const SkinModel& skin) {
  if (!skin.text("Personality", "Top").empty()) return FrameLayout::BorderPictures;
  if (!skin.text("Borders", "HorzFrame").empty()) return FrameLayout::FramePictures;
  // Glass frames, coloured by the texture, only where the skin asks for them.
  if (skin.integer("DWM", "UseDWMFrames", 0) == 1 && !skin.text("Frames.Texture", "Image").empty()) {
    return FrameLayout::Texture;
  }
  return FrameLayout::SystemColours;
}

Border borderOf(RenderContext& context, const char* name, bool active) {
  const SkinModel& skin = context.skin;
  Border border;
  const std::string key(name);
  const std::string path = skin.resolveSlot(skin.text("Personality", key));
  // Older skins cut the border's shape with a black-and-white mask ("TopMask"...).
  const std::string mask = skin.resolveSlot(skin.text("Personality", key + "Mask"));
  const QImage& picture = context.pictures.picture(path, FramePictureTransparency(path), 0, mask);
  if (picture.isNull()) return border;
  const int frames = UsableFrameCount(picture.size(),
                                      skin.integer("Personality", key + "Frame", CatalogueImageCount(skin, "Personality")),
                                      key == "Top" || key == "Bottom");
  // Top and bottom borders stack their frames; the side borders lie them side by side.
  const bool stacked = key == "Top" || key == "Bottom";
  border.picture = &picture;
  border.source = FrameRect(picture.size(), frames, stacked, active ? 0 : 1);
  border.marginA = std::clamp(skin.integer("Personality", key + "TopHeight", 0), 0, 1000);
  border.marginB = std::clamp(skin.integer("Personality", key + "BotHeight", 0), 0, 1000);
  border.stretch = skin.integer("Personality", key + "Stretch", 0) == 1;
  return border;
}

void paintBorder(QPainter& painter, const Border& border, const QRect& target, bool horizontal) {
  if (!border.picture || target.isEmpty()) return;
  PaintingKeys keys;
  if (horizontal) {
    keys.left = border.marginA;
    keys.right = border.marginB;
    keys.middle = border.stretch ? 0 : 2;
  } else {
    keys.top = border.marginA;
    keys.bottom = border.marginB;
    keys.middle = border.stretch ? 0 : 3;
  }
  keys.tileTop = keys.tileBottom = !border.stretch;
  keys.tileLeft = keys.tileRight = !border.stretch;
  PaintNineSlice(painter, *border.picture, border.source, target, keys);
}

// "Borders": VertFrame holds its frames side by side, each the left border beside the right
// border (thickness t = half the frame width); HorzFrame holds its frames stacked, each the top
// border above the bottom border, whose height is t.
struct FramePictures {
  const QImage* horizontal = nullptr;
  const QImage* vertical = nullptr;
  QRect top, bottom, left, right;
};

FramePictures framePicturesOf(RenderContext& context, bool active) {
  const SkinModel& skin = context.skin;
  FramePictures f;
  const int inactiveIndex = skin.integer("Borders", "NormalInactiveFrame", 1);
  const int index = active ? skin.integer("Borders", "NormalActiveFrame", 0) : inactiveIndex;
  const int count = skin.integer("Borders", "FrameCount", 2);
  int thickness = 0;
  const std::string vertPath = skin.resolveSlot(skin.text("Borders", "VertFrame"));
  const QImage& v = context.pictures.picture(vertPath, FramePictureTransparency(vertPath), 0,
                                            skin.resolveSlot(skin.text("Borders", "VertFrameMask")));
  if (!v.isNull()) {
    const QRect frame = FrameRect(v.size(), UsableFrameCount(v.size(), count, false), false, index);
    f.vertical = &v;
    thickness = frame.width() / 2;
    f.left = QRect(frame.left(), frame.top(), thickness, frame.height());
    f.right = QRect(frame.left() + thickness, frame.top(), frame.width() - thickness, frame.height());
  }
  const std::string horzPath = skin.resolveSlot(skin.text("Borders", "HorzFrame"));
  const QImage& h = context.pictures.picture(horzPath, FramePictureTransparency(horzPath), 0,
                                            skin.resolveSlot(skin.text("Borders", "HorzFrameMask")));
  if (!h.isNull()) {
    const QRect frame = FrameRect(h.size(), UsableFrameCount(h.size(), count, true), true, index);
    const int bottom = std::min(thickness, frame.height());
    f.horizontal = &h;
    f.top = QRect(frame.left(), frame.top(), frame.width(), frame.height() - bottom);
    f.bottom = QRect(frame.left(), frame.bottom() + 1 - bottom, frame.width(), bottom);
  }
  return f;
}

Border framePart(const SkinModel& skin, const QImage* picture, const QRect& source, const char* name) {
  Border b;
  if (!picture || source.isEmpty()) return b;
  b.picture = picture;
  b.source = source;
  const std::string key(name);
  b.marginA = std::clamp(skin.integer("Borders", key + "TopHeight", 0), 0, 1000);
  b.marginB = std::clamp(skin.integer("Borders", key + "BotHeight", 0), 0, 1000);
  b.stretch = skin.integer("Borders", key + "MiddleStretch", 0) == 1;
  return b;
}

constexpr int kTextureCaption = 30;
constexpr int kTextureBorder = 8;
constexpr int kClassicCaption = 22;
constexpr int kClassicBorder = 4;

QRect captionTextRect(const SkinModel& skin, const QRect& window, const QMargins& thickness, bool hasIcon) {
  const int shift = skin.integer("Personality", "TextShift", skin.integer("Caption", "TextLeftShift", 0));
  const int clip = skin.integer("Personality", "TextRightClip", skin.integer("Caption", "TextRightShift", 0));
  // The no-icon margins of either layout ("Personality" for basic frames, "Caption" for advanced).
  const int left = hasIcon ? shift
                           : skin.integer("Personality", "TextShiftNoIcon", skin.integer("Caption", "TextLeftShiftNoIcon", shift));
  const int right = hasIcon ? clip
                            : skin.integer("Personality", "TextRightClipNoIcon",
                                           skin.integer("Caption", "TextRightShiftNoIcon", clip));
  const int vertical = skin.integer("Personality", "TextShiftVert", skin.integer("Caption", "TextTopShift", 0));
  const int band = std::max(thickness.top(), 1);
  const bool onBottom = skin.integer("Personality", "TextOnBottom", 0) == 1;
  const int top = onBottom ? window.bottom() + 1 - std::max(thickness.bottom(), 1) : window.top();
  const int bandHeight = onBottom ? std::max(thickness.bottom(), 1) : band;
  const int leftEdge = window.left() + std::clamp(left, -200, 2000) + (left == 0 ? 8 : 0);
  const int rightEdge = window.right() - std::clamp(right, -200, 2000) - (right == 0 ? 8 : 0);
  // The top margin moves the text's upper edge down inside the band.
  const int down = std::clamp(vertical, -200, std::max(0, bandHeight - 8));
  return QRect(QPoint(leftEdge, top + down), QPoint(std::max(leftEdge, rightEdge), top + bandHeight - 1));
}

void paintCaptionText(QPainter& painter, RenderContext& context, const QRect& textRect, const WindowLook& look) {
  const SkinModel& skin = context.skin;
  if (look.title.isEmpty() || !CanDrawText()) return;
  const QString title = FromSkinText(skin.text("Personality", "FrontString")) + look.title +
                        FromSkinText(skin.text("Personality", "EndString"));
  // Presets are counted from 1 here; 255 or less than 1 means no preset.
  const int preset = skin.integer("Caption", look.active ? "TitlebarFontObject" : "TitlebarFontObjectInActive", 255);
  TextStyle style = preset >= 1 && preset <= 50 ? PresetTextStyle(skin, preset - 1)
                    : !skin.text("Fonts", "FontName").empty()   ? FontSectionStyle(skin, "Fonts")
                    : !skin.text("Caption", "FontName").empty() ? FontSectionStyle(skin, "Caption")
                                                                : SystemTextStyle(skin, "SystemCaption");
  // The basic frame's caption font is bold unless "Fonts" gives a weight; a preset's or the
  // advanced caption's own weight stands as it is.
  const bool ownWeight = (preset >= 1 && preset <= 50) || !skin.text("Fonts", "FontWeight").empty() ||
                         (skin.text("Fonts", "FontName").empty() && !skin.text("Caption", "FontName").empty());
  if (!ownWeight) style.font.setBold(true);
  const char* prefix = look.active ? "ActiveText" : "InactiveText";
  const QColor fallback = SkinSystemQColor(skin, look.active ? 9 : 19);
  style.colour = ColourFromKeys(skin, "Personality", std::string(prefix) + "R", std::string(prefix) + "G",
                                std::string(prefix) + "B")
                     .value_or(fallback);
  const int alignment = skin.value("Personality", "TextAlignment") ? skin.integer("Personality", "TextAlignment", 0)
                                                                  : skin.integer("Caption", "TextAlignMode", 0);
  style.horzAlign = alignment == 1 ? 2 : alignment == 2 ? 3 : 1;
  style.vertAlign = 2;
  const int shadowMode = skin.integer("Text", "Use3DText", 0);
  if (shadowMode != 0 && (look.active || skin.integer("Text", "NoShadowInactiveText", 0) != 1)) {
    style.effect = shadowMode == 2 ? 2 : 1;
    style.shadow = ColourFromKeys(skin, "Text", "ShadowTextR", "ShadowTextG", "ShadowTextB").value_or(Qt::black);
    const int dx = std::clamp(skin.integer("Text", "ShadowOffset", 1), -20, 20);
    style.shadowOffset = QPoint(dx, std::clamp(skin.integer("Text", "ShadowOffsetY", dx), -20, 20));
  }
  DrawSkinText(painter, textRect, title, style);
}

void paintClassicFrame(QPainter& painter, const SkinModel& skin, const QRect& window, bool active) {
  painter.fillRect(window, SkinSystemQColor(skin, active ? 10 : 11));
  painter.setPen(SkinSystemQColor(skin, 20));
  painter.drawLine(window.topLeft(), window.topRight());
  painter.drawLine(window.topLeft(), window.bottomLeft());
  painter.setPen(SkinSystemQColor(skin, 21));
  painter.drawLine(window.bottomLeft(), window.bottomRight());
  painter.drawLine(window.topRight(), window.bottomRight());
  const QRect caption(window.left() + kClassicBorder, window.top() + kClassicBorder,
                      window.width() - 2 * kClassicBorder, kClassicCaption - kClassicBorder);
  QLinearGradient gradient(caption.topLeft(), caption.topRight());
  gradient.setColorAt(0, SkinSystemQColor(skin, active ? 2 : 3));
  gradient.setColorAt(1, SkinSystemQColor(skin, active ? 27 : 28));
  painter.fillRect(caption, gradient);
}

void paintTextureFrame(QPainter& painter, RenderContext& context, const QRect& window, bool active) {
  const SkinModel& skin = context.skin;
  const QImage tile = TextureTile(context, "Frames.Texture");
  if (tile.isNull()) {
    paintClassicFrame(painter, skin, window, active);
    return;
  }
  painter.save();
  painter.setOpacity(std::clamp(skin.integer("DWM", "BorderAlpha", 255), 0, 255) / 255.0 * (active ? 1.0 : 0.8));
  QRegion frame(window);
  frame -= QRegion(window.adjusted(kTextureBorder, kTextureCaption, -kTextureBorder, -kTextureBorder));
  painter.setClipRegion(frame, Qt::IntersectClip);
  TileImage(painter, tile, tile.rect(), window, true, true);
  painter.restore();
  // The shine over the caption: the skin's "WindowFrame.Shine" picture (frames active,
  // inactive), else a soft white highlight; "ShineAlpha" sets its strength either way.
  const int shineAlpha = std::clamp(skin.integer("DWM", "ShineAlpha", 220), 0, 255);
  const QRect shineBand(window.left(), window.top(), window.width(), std::min(kTextureCaption, window.height()));
  painter.save();
  painter.setOpacity(painter.opacity() * shineAlpha / 255.0);
  const bool shinePicture = PaintSection(painter, context, "WindowFrame.Shine", shineBand, active ? 1 : 2);
  painter.restore();
  if (!shinePicture) {
    QLinearGradient shine(window.topLeft(), QPoint(window.left(), window.top() + kTextureCaption));
    shine.setColorAt(0, QColor(255, 255, 255, shineAlpha / 3));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(shineBand, shine);
  }
}

// The glow of a glass caption ("WindowFrame.CaptionGlow") lies behind the start of the text.
void paintCaptionGlow(QPainter& painter, RenderContext& context, const QRect& window, const QRect& textRect) {
  const QRect glow(textRect.left() - 8, window.top() + 4, std::min(160, textRect.width() + 16),
                   std::max(0, std::min(kTextureCaption, window.height()) - 8));
  PaintSection(painter, context, "WindowFrame.CaptionGlow", glow, 1);
}

}  // namespace

QMargins FrameThickness(RenderContext& context) {
  switch (layoutOf(context.skin)) {
    case FrameLayout::BorderPictures: {
      const Border top = borderOf(context, "Top", true), bottom = borderOf(context, "Bottom", true);
      const Border left = borderOf(context, "Left", true), right = borderOf(context, "Right", true);
      return QMargins(left.source.width(), top.source.height(), right.source.width(), bottom.source.height());
    }
    case FrameLayout::FramePictures: {
      const FramePictures f = framePicturesOf(context, true);
      return QMargins(f.left.width(), f.top.height(), f.right.width(), f.bottom.height());
    }
    case FrameLayout::Texture:
      return QMargins(kTextureBorder, kTextureCaption, kTextureBorder, kTextureBorder);
    case FrameLayout::SystemColours:
      break;
  }
  return QMargins(kClassicBorder, kClassicCaption, kClassicBorder, kClassicBorder);
}

namespace {

TitleBarLook titleBarLook(const WindowLook& look, const ButtonTint& tint) {
  TitleBarLook out;
  out.facts.active = look.active;
  out.facts.maximised = look.maximised;
  out.facts.hasIcon = look.hasIcon;
  out.facts.mouseOverCaption = look.buttonState == 2 || look.buttonState == 3;
  // The skin's own buttons have no disabled frames: disabled ones show their normal look.
  out.state = look.buttonState == 4 ? 1 : look.buttonState;
  out.hotButton = look.hotButton;
  out.clockMs = look.clockMs;
  out.hoverMs = look.hoverMs;
  out.tint = tint;
  return out;
}

QRect paintFrame(QPainter& painter, RenderContext& context, const QRect& window, const WindowLook& look) {
  const SkinModel& skin = context.skin;
  QMargins t = FrameThickness(context);
  // A frame thicker than the window is drawn as far as it fits.
  t.setTop(std::min(t.top(), window.height()));
  t.setBottom(std::min(t.bottom(), window.height() - t.top()));
  t.setLeft(std::min(t.left(), window.width()));
  t.setRight(std::min(t.right(), window.width() - t.left()));
  const int middleTop = window.top() + t.top();
  const int middleHeight = window.height() - t.top() - t.bottom();

  switch (layoutOf(skin)) {
    case FrameLayout::BorderPictures: {
      paintBorder(painter, borderOf(context, "Top", look.active), QRect(window.left(), window.top(), window.width(), t.top()),
                  true);
      paintBorder(painter, borderOf(context, "Bottom", look.active),
                  QRect(window.left(), window.bottom() + 1 - t.bottom(), window.width(), t.bottom()), true);
      paintBorder(painter, borderOf(context, "Left", look.active), QRect(window.left(), middleTop, t.left(), middleHeight),
                  false);
      paintBorder(painter, borderOf(context, "Right", look.active),
                  QRect(window.right() + 1 - t.right(), middleTop, t.right(), middleHeight), false);
      break;
    }
    case FrameLayout::FramePictures: {
      const FramePictures f = framePicturesOf(context, look.active);
      paintBorder(painter, framePart(skin, f.horizontal, f.top, "Top"),
                  QRect(window.left(), window.top(), window.width(), t.top()), true);
      paintBorder(painter, framePart(skin, f.horizontal, f.bottom, "Bottom"),
                  QRect(window.left(), window.bottom() + 1 - t.bottom(), window.width(), t.bottom()), true);
      paintBorder(painter, framePart(skin, f.vertical, f.left, "Left"),
                  QRect(window.left(), middleTop, t.left(), middleHeight), false);
      paintBorder(painter, framePart(skin, f.vertical, f.right, "Right"),
                  QRect(window.right() + 1 - t.right(), middleTop, t.right(), middleHeight), false);
      break;
    }
    case FrameLayout::Texture:
      paintTextureFrame(painter, context, window, look.active);
      break;
    case FrameLayout::SystemColours:
      paintClassicFrame(painter, skin, window, look.active);
      break;
  }

  const QRect captionBand(window.left(), window.top(), window.width(), t.top());
  PaintSection(painter, context, "WindowFrame.Caption", captionBand.adjusted(t.left(), 0, -t.right(), 0),
               look.active ? 1 : 2);
  const QRect textRect = captionTextRect(skin, window, t, look.hasIcon);
  if (layoutOf(skin) == FrameLayout::Texture) paintCaptionGlow(painter, context, window, textRect);
  paintCaptionText(painter, context, textRect, look);
  const ButtonTint tint = layoutOf(skin) == FrameLayout::Texture ? TextureFrameButtonTint(skin) : ButtonTint{};
  if (TitleBarButtonCount(skin) > 0) {
    PaintTitleBarButtons(painter, context, window, textRect, titleBarLook(look, tint));
  } else if (layoutOf(skin) == FrameLayout::Texture &&
             PaintGlassFrameButtons(painter, context, captionBand, look.active, look.buttonState, tint)) {
    // The engine's own glass buttons stand in for the skin's missing button pictures.
  } else {
    PaintStandardFrameButtons(painter, context, window, captionBand, look.active, look.buttonState, tint,
                              look.maximised);
  }
  return window.marginsRemoved(t);
}

// The corner shapes of the "Borders" frame: frames side by side, drawn over the top corners;
// where a shape is fully transparent the window is cut away.
struct CornerShape {
  const QImage* picture = nullptr;
  QRect source;
};

CornerShape cornerShape(RenderContext& context, const char* key, bool active) {
  const SkinModel& skin = context.skin;
  const std::string path = skin.resolveSlot(skin.text("Borders", key));
  const QImage& picture = context.pictures.picture(path, FramePictureTransparency(path));
  if (picture.isNull()) return {};
  const int frames = UsableFrameCount(picture.size(), skin.integer("Borders", "ShapeFrameCount", 2), false);
  const int inactive = skin.integer("Borders", "ShapeNormalInactiveFrame", 0);
  const int index = active ? skin.integer("Borders", "ShapeNormalActiveFrame", 0) : inactive;
  return {&picture, FrameRect(picture.size(), frames, false, index)};
}

void applyShape(QImage& layer, const CornerShape& shape, QPoint at) {
  const QRect target = QRect(at, shape.source.size()).intersected(layer.rect());
  for (int y = target.top(); y <= target.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
    const auto* src = reinterpret_cast<const QRgb*>(shape.picture->constScanLine(shape.source.top() + y - at.y()));
    for (int x = target.left(); x <= target.right(); ++x) {
      if (qAlpha(src[shape.source.left() + x - at.x()]) == 0) row[x] = 0;
    }
  }
  QPainter p(&layer);
  p.drawImage(at, *shape.picture, shape.source);
}

// "RoundedCorners": the window's top corners cut to this radius.
void roundCorners(QImage& layer, int radius) {
  const int r = std::min({radius, layer.width() / 2, layer.height()});
  for (int y = 0; y < r; ++y) {
    auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
    for (int x = 0; x < r; ++x) {
      const int dx = r - x, dy = r - y;
      if (dx * dx + dy * dy <= r * r) continue;
      row[x] = 0;
      row[layer.width() - 1 - x] = 0;
    }
  }
}

// A window without its caption icon ("ShowCaptionIcon" 0) is laid out as one without an icon.
WindowLook shownLook(const SkinModel& skin, WindowLook look) {
  if (skin.integer("Personality", "ShowCaptionIcon", 1) == 0) look.hasIcon = false;
  return look;
}

}  // namespace

QRect PaintWindowFrame(QPainter& painter, RenderContext& context, const QRect& window, const WindowLook& windowLook) {
  if (window.isEmpty()) return {};
  const WindowLook look = shownLook(context.skin, windowLook);
  CornerShape left, right;
  if (layoutOf(context.skin) == FrameLayout::FramePictures) {
    left = cornerShape(context, "ShapeLeftImage", look.active);
    right = cornerShape(context, "ShapeRightImage", look.active);
  }
  // Without shape pictures the corners may be rounded.
  const int radius = left.picture || right.picture ? 0 : std::clamp(context.skin.integer("Personality", "RoundedCorners", 0), 0, 30);
  if (!left.picture && !right.picture && radius == 0) return paintFrame(painter, context, window, look);
  // Shaped: the frame is composed off-screen so the cut corners show what lies beneath.
  QImage layer(window.size(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QRect client;
  {
    QPainter p(&layer);
    p.translate(-window.topLeft());
    client = paintFrame(p, context, window, look);
  }
  if (radius > 0) roundCorners(layer, radius);
  if (left.picture) applyShape(layer, left, QPoint(0, 0));
  if (right.picture) applyShape(layer, right, QPoint(layer.width() - right.source.width(), 0));
  painter.drawImage(window.topLeft(), layer);
  return client;
}

int TitleBarButtonAtPoint(RenderContext& context, const QRect& window, const WindowLook& look, QPoint point) {
  if (window.isEmpty() || TitleBarButtonCount(context.skin) == 0) return -1;
  QMargins t = FrameThickness(context);
  t.setTop(std::min(t.top(), window.height()));
  const WindowLook shown = shownLook(context.skin, look);
  const QRect textRect = captionTextRect(context.skin, window, t, shown.hasIcon);
  return TitleBarButtonAt(context, window, textRect, titleBarLook(shown, ButtonTint{}), point);
}

void PaintClientArea(QPainter& painter, RenderContext& context, const QRect& client, bool active) {
  (void)active;
  if (client.isEmpty()) return;
  const SkinModel& skin = context.skin;
  painter.fillRect(client, SkinSystemQColor(skin, 15));
  const int menuHeight = std::min(20, client.height());
  const QRect menuBar(client.left(), client.top(), client.width(), menuHeight);
  if (!PaintSection(painter, context, "MenuBar.Background", menuBar, 1)) painter.fillRect(menuBar, SkinSystemQColor(skin, 4));
  if (CanDrawText()) {
    TextStyle menuStyle = SystemTextStyle(skin, "SystemMenu");
    menuStyle.colour = SkinSystemQColor(skin, 7);
    menuStyle.horzAlign = 1;
    int x = menuBar.left() + 6;
    for (const char* item : {"File", "Edit", "View", "Help"}) {
      DrawSkinText(painter, QRect(x, menuBar.top(), 44, menuBar.height()), QString::fromLatin1(item), menuStyle);
      x += 44;
    }
  }
  const QRect below(client.left(), client.top() + menuHeight, client.width(), client.height() - menuHeight);
  PaintSection(painter, context, "Dialog.Background", below, 1);
  const QRect inner = client.adjusted(8, menuHeight + 8, -8, -8);
  if (inner.isEmpty()) return;
  painter.fillRect(inner, SkinSystemQColor(skin, 5));
}

}  // namespace tessera::render
