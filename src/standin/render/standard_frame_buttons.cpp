#include "standin/render/standard_frame_buttons.h"

#include <algorithm>
#include <string_view>

#include "standin/render/frame_selection.h"
#include "standin/render/section_style.h"

namespace tessera::render {

namespace {

// Where "Align", "LeftCoord" and "TopCoord" (or their maximized forms) put a button of `size`.
QPoint placedAt(const SkinModel& skin, const char* section, const QRect& window, QSize size, int defaultAlign,
                bool maximised) {
  const int align = skin.integer(section, "Align", defaultAlign);
  int x = skin.integer(section, "LeftCoord", 0);
  int y = skin.integer(section, "TopCoord", 0);
  if (maximised) {
    x = skin.integer(section, "LeftCoordMaximized", x);
    y = skin.integer(section, "TopCoordMaximized", y);
  }
  x = std::clamp(x, -40, 500);
  y = std::clamp(y, -40, 500);
  return QPoint(align == 1 ? window.right() + 1 - x - size.width() : window.left() + x, window.top() + y);
}

}  // namespace

void PaintStandardFrameButtons(QPainter& painter, RenderContext& context, const QRect& window,
                               const QRect& captionBand, bool active, int hoverState, const ButtonTint& tint,
                               bool maximised) {
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
    int frame = !active ? 4 : hoverState == 4 ? 3 : isClose ? std::clamp(hoverState, 1, 3) - 1 : 0;
    if (frame >= frames) frame = 0;
    const QRect source = FrameRect(picture.size(), frames, style.vertical, frame);
    const QSize size = source.size().boundedTo(QSize(200, std::max(1, captionBand.height())));
    QRect target(right + 1 - size.width(), captionBand.top() + (captionBand.height() - size.height()) / 2,
                 size.width(), size.height());
    // A button the skin places itself stands where its keys say; the others line up from the right.
    if (skin.value(section, "Align") || skin.value(section, "LeftCoord") || skin.value(section, "TopCoord")) {
      target.moveTopLeft(placedAt(skin, section, window, size, 1, maximised));
    }
    DrawTintedButton(painter, target, picture, source, tint, isClose);
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
    const QPoint at = placedAt(skin, section, window, source.size(), isIcon ? 0 : 1, maximised);
    if (isIcon) {
      painter.drawImage(at, picture, source);
    } else {
      DrawTintedButton(painter, QRect(at, source.size()), picture, source, tint, false);
    }
  }
}

}  // namespace tessera::render
