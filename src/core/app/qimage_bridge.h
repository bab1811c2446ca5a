#pragma once
// Conversions between the program's ImageBuffer and QImage (pre-multiplied ARGB32, which is
// BGRA in memory on this platform), for drawing with QPainter.
#include <QImage>
#include <optional>

#include "core/image/image_buffer.h"

namespace tessera {

QImage ToQImage(const ImageBuffer& image);
// A bottom-up ImageBuffer of the picture; nullopt when its size is refused.
std::optional<ImageBuffer> FromQImage(const QImage& image);

}  // namespace tessera
