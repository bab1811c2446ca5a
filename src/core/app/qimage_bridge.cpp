#include "core/app/qimage_bridge.h"

#include <cstring>

namespace tessera {

QImage ToQImage(const ImageBuffer& image) {
  QImage out(image.width(), image.height(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < image.height(); ++y) {
    std::memcpy(out.scanLine(y), image.rowFromTop(y), static_cast<std::size_t>(image.width()) * 4);
  }
  return out;
}

std::optional<ImageBuffer> FromQImage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  auto out = CreateImage(image.width(), image.height());
  if (!out) return std::nullopt;
  for (int y = 0; y < image.height(); ++y) {
    std::memcpy(out->rowFromTop(y), image.constScanLine(y), static_cast<std::size_t>(image.width()) * 4);
  }
  return out;
}

}  // namespace tessera
