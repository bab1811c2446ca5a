#pragma once
// What is drawn where a skin leaves an element out: the platform's classic look in the skin's
// system colours, and plain labels in the skin's fonts.
#include <QPainter>
#include <QRect>
#include <QString>

#include "standin/render/skin_model.h"

namespace tessera::render {

void PaintClassicButton(QPainter& painter, const SkinModel& skin, const QRect& rect, bool pressed);
void PaintClassicSunken(QPainter& painter, const SkinModel& skin, const QRect& rect, int fillIndex);
// A single-line label in the skin's message font; `align` 1 left, 2 centre, 3 right.
void DrawLabel(QPainter& painter, const SkinModel& skin, const QRect& rect, const QString& text, int align,
               const QColor& colour, bool bold = false);

}  // namespace tessera::render
