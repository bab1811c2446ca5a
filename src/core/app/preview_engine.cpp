#include "core/app/preview_engine.h"

#include <QImage>
#include <cstring>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/platform/environment.h"

namespace tessera {

PreviewLibrary& Preview() {
  static PreviewLibrary library;
  return library;
}

int LoadPictureForEngine(const char* path, int width, int height, unsigned char* pixels, int stride) {
  if (!path || !pixels || width <= 0 || height <= 0 || stride < width * 4) return 0;
  const auto image = LoadImageFile(path);
  if (!image) return 0;
  const QImage scaled = ToQImage(*image).scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < height; ++y) {
    std::memcpy(pixels + static_cast<std::ptrdiff_t>(y) * stride, scaled.constScanLine(y), static_cast<std::size_t>(width) * 4);
  }
  return 1;
}

void BindPreviewLibrary(const DynamicLibrary& module) {
  PreviewLibrary& preview = Preview();
  preview.bind(module);
  preview.SetSkinDir("");
  const std::string side = DataFile("side.uis");
  preview.LoadUpSection2(side, side, "Side", 1);
  preview.SetPointer(&LoadPictureForEngine);
}

}  // namespace tessera
