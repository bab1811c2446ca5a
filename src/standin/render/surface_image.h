#pragma once
// A caller's drawing surface seen as a QImage over the same pixels (no copy).
#include <QImage>

#include "core/engine/vl_abi.h"

namespace tessera::render {

// A null image for a null or malformed surface (no pixels, sizes out of range, a stride too
// small for the width).
QImage ImageOverSurface(const VlSurface* surface);

// The rectangle as QRect (right and bottom exclusive, as the ABI passes them); normalised.
QRect ToQRect(const VlRect* rect);
QRect ToQRect(int left, int top, int right, int bottom);

}  // namespace tessera::render
