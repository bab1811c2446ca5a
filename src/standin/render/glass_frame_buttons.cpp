#include "standin/render/glass_frame_buttons.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "standin/render/section_style.h"

namespace tessera::render {

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
    DrawTintedButton(painter, target, button, button.rect(), tint, glyph == 0);
    right = target.left() - 1;
  }
  return true;
}

}  // namespace tessera::render
