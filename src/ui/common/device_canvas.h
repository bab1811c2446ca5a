#pragma once
// Previews draw into a canvas of device pixels: on a high-resolution screen a skin's pictures and
// text are drawn once at the screen's own resolution, sharp, instead of being drawn at the
// widget's logical size and then scaled up. The canvas carries the widget's device pixel ratio,
// so the preview library is told the scale and callers lay out in the widget's own units.
#include <QColor>
#include <QImage>

#include "core/engine/vl_abi.h"

class QWidget;

namespace tessera::ui {

// A canvas of `widget`'s size in device pixels (at least one pixel), filled with `fill`, with the
// widget's device pixel ratio: rects handed to the preview library are in the widget's units.
QImage DeviceCanvas(const QWidget& widget, const QColor& fill);

// The canvas's area in the widget's units, for drawing calls that fill it.
VlRect WholeCanvas(const QImage& canvas);

}  // namespace tessera::ui
