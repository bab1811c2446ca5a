#include "standin/render/classic_look.h"

#include "standin/render/skin_colours.h"
#include "standin/render/skin_text.h"

namespace tessera::render {

void PaintClassicButton(QPainter& painter, const SkinModel& skin, const QRect& r, bool pressed) {
  if (r.isEmpty()) return;
  painter.fillRect(r, SkinSystemQColor(skin, 15));
  painter.setPen(SkinSystemQColor(skin, pressed ? 16 : 20));
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(SkinSystemQColor(skin, pressed ? 20 : 21));
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
}

void PaintClassicSunken(QPainter& painter, const SkinModel& skin, const QRect& r, int fillIndex) {
  if (r.isEmpty()) return;
  painter.fillRect(r, SkinSystemQColor(skin, fillIndex));
  painter.setPen(SkinSystemQColor(skin, 16));
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(SkinSystemQColor(skin, 20));
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
}

void DrawLabel(QPainter& painter, const SkinModel& skin, const QRect& rect, const QString& text, int align,
               const QColor& colour, bool bold) {
  if (!CanDrawText() || rect.isEmpty()) return;
  TextStyle style = SystemTextStyle(skin, "SystemMessage");
  style.colour = colour;
  style.horzAlign = align;
  if (bold) style.font.setBold(true);
  DrawSkinText(painter, rect, text, style);
}

}  // namespace tessera::render
