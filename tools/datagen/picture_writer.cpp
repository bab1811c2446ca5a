#include "picture_writer.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>

#include "core/image/image_buffer.h"
#include "core/image/image_file.h"
#include "core/platform/paths.h"

namespace tessera::datagen {

namespace {

// QImage's pre-multiplied ARGB words have the same layout as the editor's pixel words.
std::optional<ImageBuffer> toBuffer(const QImage& picture) {
  const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  auto image = CreateImage(source.width(), source.height());
  if (!image) return std::nullopt;
  for (int y = 0; y < source.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < source.width(); ++x) image->setPixelAt(x, y, row[x]);
  }
  return image;
}

void makeFolderFor(const std::string& path) { QDir().mkpath(QFileInfo(QString::fromStdString(path)).path()); }

}  // namespace

QImage NewCanvas(int width, int height) {
  QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  return canvas;
}

bool WriteTga(const QImage& picture, const std::string& path) {
  const auto image = toBuffer(picture);
  makeFolderFor(path);
  return image && SaveImageFile(path, *image, false);
}

bool WriteKeyedBmp(const QImage& picture, const std::string& path) {
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      const QRgb p = row[x];
      row[x] = qAlpha(p) < 128 ? qRgb(255, 0, 255) : qRgb(qRed(p), qGreen(p), qBlue(p));
    }
  }
  const auto image = toBuffer(keyed);
  makeFolderFor(path);
  return image && SaveImageFile(path, *image, true);
}

bool WritePng(const QImage& picture, const std::string& path) {
  const auto image = toBuffer(picture);
  makeFolderFor(path);
  return image && SaveImagePng(*image, path) == 0;
}

bool WritePicture(const QImage& picture, const std::string& path) {
  const std::string extension = paths::upper(paths::extension(path));
  if (extension == "BMP") return WriteKeyedBmp(picture, path);
  if (extension == "PNG") return WritePng(picture, path);
  return WriteTga(picture, path);
}

}  // namespace tessera::datagen
