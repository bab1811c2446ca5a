#include "standin/render/picture_loader.h"

#include <QImageReader>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <fstream>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/image/zor_animation.h"
#include "core/platform/paths.h"

namespace tessera::render {

namespace {

std::atomic<VlImageLoader> externalLoader{nullptr};

// A picture the renderer would refuse to hold anyway is not asked of the loader.
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

std::uint32_t littleEndian(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

QImage decodeThroughLoader(VlImageLoader loader, const std::string& path) {
  const auto size = PictureFileSize(path);
  if (!size) return {};
  QImage image(*size, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return {};
  image.fill(Qt::transparent);
  if (loader(path.c_str(), image.width(), image.height(), image.bits(), static_cast<int>(image.bytesPerLine())) != 1) {
    return {};
  }
  return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

void SetExternalPictureLoader(VlImageLoader loader) { externalLoader.store(loader); }

VlImageLoader ExternalPictureLoader() { return externalLoader.load(); }

std::optional<QSize> PictureFileSize(const std::string& path) {
  QSize size;
  const std::string extension(paths::extension(path));
  if (paths::equalsIgnoreCase(extension, "tga") || paths::equalsIgnoreCase(extension, "bmp")) {
    unsigned char header[26] = {};
    std::ifstream file(path, std::ios::binary);
    if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return std::nullopt;
    if (paths::equalsIgnoreCase(extension, "tga")) {
      size = QSize(static_cast<int>(littleEndian(header + 12, 2)), static_cast<int>(littleEndian(header + 14, 2)));
    } else {
      if (header[0] != 'B' || header[1] != 'M') return std::nullopt;
      // A negative height marks a top-down bitmap.
      const auto height = static_cast<std::int32_t>(littleEndian(header + 22, 4));
      size = QSize(static_cast<int>(littleEndian(header + 18, 4)), height < 0 ? -height : height);
    }
  } else {
    size = QImageReader(QString::fromStdString(path)).size();
  }
  if (size.width() <= 0 || size.height() <= 0 || size.width() > kMaxSide || size.height() > kMaxSide ||
      static_cast<qint64>(size.width()) * size.height() > kMaxPixels) {
    return std::nullopt;
  }
  return size;
}

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
  if (const VlImageLoader loader = externalLoader.load()) {
    QImage loaded = decodeThroughLoader(loader, path);
    if (!loaded.isNull()) return loaded;
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
