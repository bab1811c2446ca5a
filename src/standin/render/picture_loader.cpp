#include "standin/render/picture_loader.h"

#include <algorithm>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/image/zor_animation.h"
#include "core/platform/paths.h"

namespace tessera::render {

bool IsAnimationFile(const std::string& path) { return paths::equalsIgnoreCase(paths::extension(path), "zor"); }

QImage DecodePictureFile(const std::string& path, int animationFrame, int* animationFrames) {
  if (animationFrames) *animationFrames = 1;
  if (path.empty()) return {};
  if (IsAnimationFile(path)) {
    ZorAnimation animation;
    if (!animation.load(path) || animation.frameCount() < 1) return {};
    if (animationFrames) *animationFrames = animation.frameCount();
    const auto frame = animation.decodeFrame(animationFrame < animation.frameCount() ? animationFrame : 0);
    if (!frame || frame->isEmpty()) return {};
    return ToQImage(*frame).convertToFormat(QImage::Format_ARGB32);
  }
  const auto image = LoadImageFile(path);
  if (!image || image->isEmpty()) return {};
  // The image files come pre-multiplied; the transparency rules work on straight colour.
  return ToQImage(*image).convertToFormat(QImage::Format_ARGB32);
}

QImage PrepareForDrawing(const QImage& straight, Transparency transparency) {
  if (straight.isNull()) return {};
  QImage image = straight.format() == QImage::Format_ARGB32 ? straight : straight.convertToFormat(QImage::Format_ARGB32);
  switch (transparency) {
    case Transparency::Opaque:
      image = image.copy();
      for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) row[x] |= 0xff000000u;
      }
      return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    case Transparency::MagentaKey:
      image = image.copy();
      for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
          row[x] = (row[x] & 0x00ffffffu) == 0x00ff00ffu ? 0u : (row[x] | 0xff000000u);
        }
      }
      return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    case Transparency::PerPixel:
      return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    case Transparency::PerPixelPremultiplied: {
      // The bytes already are pre-multiplied; only make sure no channel exceeds its alpha, which
      // would break the arithmetic of every later blend.
      QImage result(image.size(), QImage::Format_ARGB32_Premultiplied);
      for (int y = 0; y < image.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
          const int a = qAlpha(src[x]);
          dst[x] = qRgba(std::min(qRed(src[x]), a), std::min(qGreen(src[x]), a), std::min(qBlue(src[x]), a), a);
        }
      }
      return result;
    }
  }
  return {};
}

}  // namespace tessera::render
