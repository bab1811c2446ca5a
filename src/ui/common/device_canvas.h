#pragma once
// Previews draw into a canvas of device pixels: on a high-resolution screen a skin's pictures and
// text are drawn once at the screen's own resolution, sharp, instead of being drawn at the
// widget's logical size and then scaled up.
#include <QColor>
#include <QImage>

class QWidget;

namespace tessera::ui {

// A canvas of `widget`'s size in device pixels (at least one pixel), filled with `fill`. Its
// device pixel ratio is left at 1 while the preview library draws, so the library's coordinates
// are device pixels.
QImage DeviceCanvas(const QWidget& widget, const QColor& fill);

// Hands a drawn canvas its widget's ratio, so that QPainter lays it over the widget's logical area.
QImage& ForWidget(QImage& canvas, const QWidget& widget);

}  // namespace tessera::ui
