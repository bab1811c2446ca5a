#include "standin/render/titlebar_buttons.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "standin/render/frame_selection.h"
#include "standin/render/section_style.h"

namespace tessera::render {

namespace {

constexpr int kMaxButtons = 99;

// A hue key: -1 (absent) or any negative value means no change; larger turns wrap around.
int hueTurn(const SkinModel& skin, const char* key) {
  const int value = skin.integer("WindowFrame.Activetexture", key, -1);
  return value < 0 ? -1 : value % 360;
}

void drawButton(QPainter& painter, const QRect& target, const QImage& picture, const QRect& source,
                const ButtonTint& tint, bool isClose) {
  const int hue = isClose ? tint.closeHue : tint.hue;
  const bool plain = tint.alpha >= 255 && hue <= 0;
  if (plain) {
    painter.drawImage(target, picture, source);
    return;
  }
  painter.save();
  painter.setOpacity(painter.opacity() * std::clamp(tint.alpha, 0, 255) / 255.0);
  if (hue > 0) {
    painter.drawImage(target, HueRotated(picture.copy(source), hue));
  } else {
    painter.drawImage(target, picture, source);
  }
  painter.restore();
}

}  // namespace

ButtonTint TextureFrameButtonTint(const SkinModel& skin) {
  return ButtonTint{std::clamp(skin.integer("DWM", "ButtonAlpha", 255), 0, 255), hueTurn(skin, "ButtonHue"),
                    hueTurn(skin, "CloseButtonHue")};
}

QImage HueRotated(const QImage& picture, int degrees) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if (qAlpha(row[x]) == 0) continue;
      float hue = 0, saturation = 0, lightness = 0, alpha = 0;
      QColor::fromRgba(row[x]).getHslF(&hue, &saturation, &lightness, &alpha);
      if (hue < 0) continue;  // grey
      hue += static_cast<float>(degrees) / 360.0f;
      if (hue >= 1.0f) hue -= 1.0f;
      row[x] = QColor::fromHslF(hue, saturation, lightness, alpha).rgba();
    }
  }
  return out;
}

bool UsesPersonalityButtonLayout(const SkinModel& skin) {
  return skin.integer("Personality", "ButtonCount", -1) != -1;
}

int TitleBarButtonCount(const SkinModel& skin) {
  const int count = UsesPersonalityButtonLayout(skin) ? skin.integer("Personality", "ButtonCount", 0)
                                                      : skin.integer("Caption", "ButtonCount", 0);
  return std::clamp(count, 0, kMaxButtons);
}

void PaintTitleBarButtons(QPainter& painter, RenderContext& context, const QRect& window, const QRect& caption,
                          bool active, int hoverState, const ButtonTint& tint) {
  const SkinModel& skin = context.skin;
  const bool personality = UsesPersonalityButtonLayout(skin);
  const int defaultFrames = personality && skin.integer("Personality", "TripleImages", 0) != 0 ? 6 : 3;
  const int count = TitleBarButtonCount(skin);
  for (int i = 0; i < count; ++i) {
    const std::string section = "Button" + std::to_string(i);
    const std::string path = skin.resolveSlot(skin.text(section, "ButtonImage"));
    if (path.empty()) continue;
    const Transparency transparency = TransparencyOf(skin.integer(section, "UseTrans", 0) != 0,
                                                     skin.integer(section, "PerPixel", 0) != 0, false);
    const QImage& picture = context.pictures.picture(path, transparency);
    if (picture.isNull()) continue;
    const int frames = UsableFrameCount(picture.size(), skin.integer(section, "FrameCount", defaultFrames), false);
    // Frames: normal, mouse over, pressed; a six-frame strip repeats them for inactive windows.
    int frame = std::clamp(hoverState, 1, 3) - 1;
    if (!active && frames >= 6) frame += 3;
    if (frame >= frames) frame = 0;
    const QRect source = FrameRect(picture.size(), frames, false, frame);
    const int w = std::clamp(skin.integer(section, "Width", 0), 0, 1000);
    const int h = std::clamp(skin.integer(section, "Height", 0), 0, 1000);
    const QSize size(w > 0 ? w : source.width(), h > 0 ? h : source.height());
    const int x = std::clamp(skin.integer(section, "XCoord", 0), -2000, 2000);
    const int y = std::clamp(skin.integer(section, "YCoord", 0), -2000, 2000);
    const int align = skin.integer(section, "Align", 0);
    QPoint at;
    switch (personality ? align : (align == 1 ? 1 : 0)) {
      case 1: at = QPoint(window.right() + 1 - x - size.width(), window.top() + y); break;
      case 2: at = QPoint(window.left() + x, window.bottom() + 1 - y - size.height()); break;
      case 3: at = QPoint(window.right() + 1 - x - size.width(), window.bottom() + 1 - y - size.height()); break;
      case 4: at = QPoint(window.center().x() - size.width() / 2 + x, window.top() + y); break;
      case 5: at = QPoint(window.center().x() - size.width() / 2 + x, window.bottom() + 1 - y - size.height()); break;
      case 6: at = QPoint(window.left() + x, window.center().y() - size.height() / 2 + y); break;
      case 7: at = QPoint(window.right() + 1 - x - size.width(), window.center().y() - size.height() / 2 + y); break;
      case 8: at = QPoint(caption.left() - x - size.width(), window.top() + y); break;
      case 9: at = QPoint(caption.right() + 1 + x, window.top() + y); break;
      default: at = QPoint(window.left() + x, window.top() + y); break;
    }
    drawButton(painter, QRect(at, size), picture, source, tint, skin.integer(section, "Action", 0) == 0);
  }
}

void PaintStandardFrameButtons(QPainter& painter, RenderContext& context, const QRect& window,
                               const QRect& captionBand, bool active, int hoverState, const ButtonTint& tint) {
  const SkinModel& skin = context.skin;
  const int spacing = std::clamp(skin.integer("Personality", "ButtonSpacing", 0), 0, 50) + 2;
  int right = captionBand.right() - 4;
  for (const char* section : {"WindowFrame.CloseButton", "WindowFrame.MaxButton", "WindowFrame.MinButton"}) {
    const SectionStyle style = ReadSectionStyle(skin, section);
    const QImage& picture = context.pictures.picture(style.imagePath, style.transparency);
    if (picture.isNull()) continue;
    const int frames = UsableFrameCount(picture.size(), style.frameCount, style.vertical);
    // Frames: normal, mouse over, pressed, disabled, inactive.
    const bool isClose = std::string_view(section) == "WindowFrame.CloseButton";
    int frame = !active ? 4 : isClose ? std::clamp(hoverState, 1, 3) - 1 : 0;
    if (frame >= frames) frame = 0;
    const QRect source = FrameRect(picture.size(), frames, style.vertical, frame);
    const QSize size = source.size().boundedTo(QSize(200, std::max(1, captionBand.height())));
    const QRect target(right + 1 - size.width(), captionBand.top() + (captionBand.height() - size.height()) / 2,
                       size.width(), size.height());
    drawButton(painter, target, picture, source, tint, isClose);
    right = target.left() - spacing;
  }
  for (const char* section : {"WindowFrame.SystemIconPerPixel", "WindowFrame.Button1PerPixel",
                              "WindowFrame.Button2PerPixel", "WindowFrame.Button3PerPixel"}) {
    const SectionStyle style = ReadSectionStyle(skin, section);
    const QImage& picture = context.pictures.picture(style.imagePath, style.transparency);
    if (picture.isNull()) continue;
    const int frames = UsableFrameCount(picture.size(), style.frameCount, style.vertical);
    const QRect source = FrameRect(picture.size(), frames, style.vertical, 0);
    const bool isIcon = std::string_view(section) == "WindowFrame.SystemIconPerPixel";
    const int align = skin.integer(section, "Align", isIcon ? 0 : 1);
    const int x = std::clamp(skin.integer(section, "LeftCoord", 0), -40, 500);
    const int y = std::clamp(skin.integer(section, "TopCoord", 0), -40, 500);
    const QPoint at(align == 1 ? window.right() + 1 - x - source.width() : window.left() + x, window.top() + y);
    if (isIcon) {
      painter.drawImage(at, picture, source);
    } else {
      drawButton(painter, QRect(at, source.size()), picture, source, tint, false);
    }
  }
}

namespace {

// One glass button: a red rounded body (hue 0, so a hue turn of n degrees gives hue n) with a
// white glyph, lighter while the mouse is over it.
QImage glassButton(QSize size, int glyph, bool active, bool hot) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const int lightness = (active ? 120 : 150) + (hot ? 30 : 0);
  QLinearGradient body(0, 0, 0, size.height());
  body.setColorAt(0, QColor::fromHsl(0, 200, std::min(235, lightness + 60)));
  body.setColorAt(1, QColor::fromHsl(0, 200, lightness));
  p.setPen(QColor::fromHsl(0, 160, lightness / 2));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0), 3, 3);
  p.setPen(QPen(Qt::white, 1.6));
  const QPointF c(size.width() / 2.0, size.height() / 2.0);
  switch (glyph) {
    case 0:  // close
      p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
      p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
      break;
    case 1:  // maximise
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(c.x() - 4.5, c.y() - 3.5, 9, 7));
      break;
    default:  // minimise
      p.drawLine(c + QPointF(-4, 3), c + QPointF(4, 3));
      break;
  }
  return image;
}

}  // namespace

bool PaintGlassFrameButtons(QPainter& painter, RenderContext& context, const QRect& captionBand, bool active,
                            int hoverState, const ButtonTint& tint) {
  for (const char* section : {"WindowFrame.CloseButton", "WindowFrame.MaxButton", "WindowFrame.MinButton"}) {
    const SectionStyle style = ReadSectionStyle(context.skin, section);
    if (!context.pictures.picture(style.imagePath, style.transparency).isNull()) return false;
  }
  const int height = std::clamp(captionBand.height() - 10, 8, 20);
  int right = captionBand.right() - 6;
  for (int glyph = 0; glyph < 3; ++glyph) {
    const QSize size(glyph == 0 ? height * 2 + 6 : height + 8, height);
    const QRect target(right + 1 - size.width(), captionBand.top() + 1, size.width(), size.height());
    const QImage button = glassButton(size, glyph, active, glyph == 0 && active && hoverState == 2);
    drawButton(painter, target, button, button.rect(), tint, glyph == 0);
    right = target.left() - 1;
  }
  return true;
}

}  // namespace tessera::render
