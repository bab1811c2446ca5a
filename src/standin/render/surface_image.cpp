#include "standin/render/surface_image.h"

#include <algorithm>

namespace tessera::render {

namespace {
constexpr int kMaxSide = 16384;
}

QImage ImageOverSurface(const VlSurface* surface) {
  if (!surface || !surface->pixels || surface->width <= 0 || surface->height <= 0 || surface->width > kMaxSide ||
      surface->height > kMaxSide || surface->stride < surface->width * 4) {
    return {};
  }
  return QImage(surface->pixels, surface->width, surface->height, surface->stride, QImage::Format_ARGB32_Premultiplied);
}

QRect ToQRect(int left, int top, int right, int bottom) {
  const int l = std::clamp(std::min(left, right), -kMaxSide, kMaxSide);
  const int r = std::clamp(std::max(left, right), -kMaxSide, kMaxSide);
  const int t = std::clamp(std::min(top, bottom), -kMaxSide, kMaxSide);
  const int b = std::clamp(std::max(top, bottom), -kMaxSide, kMaxSide);
  return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

QRect ToQRect(const VlRect* rect) {
  if (!rect) return {};
  return ToQRect(rect->left, rect->top, rect->right, rect->bottom);
}

}  // namespace tessera::render
