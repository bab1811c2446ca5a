#pragma once
// Drawing helpers of the cut tool and the frame builder: pictures on screen and the grid behind
// transparent pixels.
#include <QImage>
#include <QPainter>
#include <QRect>

#include "core/image/image_buffer.h"

namespace tessera::ui {

// The picture as a pre-multiplied ARGB image, top row first.
QImage ToQImage(const ImageBuffer& image);
// An 8 x 8 checkerboard of white and RGB(230, 230, 230) anchored at the top-left of `area`.
void PaintCheckerboard(QPainter& painter, const QRect& area);

}  // namespace tessera::ui
