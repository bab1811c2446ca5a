#include "core/image/frame_strip.h"

#include "core/image/image_file.h"
#include "core/platform/paths.h"

namespace tessera {

int EffectiveFrameCount(int frameCount) { return frameCount < 1 ? 1 : frameCount; }

FrameSize FrameSizeOf(int pictureWidth, int pictureHeight, int frameCount, bool vertical) {
  const int n = EffectiveFrameCount(frameCount);
  if (vertical) return {pictureWidth, pictureHeight / n};
  return {pictureWidth / n, pictureHeight};
}

bool SavesStripAsTga(std::string_view path) {
  const std::string upper = paths::upper(path);
  for (const char* marker : {".TGA", ".PNG"}) {
    const auto at = upper.find(marker);
    if (at != std::string::npos && at > 0) return true;
  }
  return false;
}

bool SaveStrip(std::string_view path, ImageBuffer image) {
  if (SavesStripAsTga(path)) return SaveImageFile(path, image, false);
  UnpremultiplyKeyed(image);
  return SaveImageFile(path, image, true);
}

namespace {

bool flip(std::string_view path, int frameCount, bool toVertical) {
  auto source = LoadImageFile(path);
  if (!source) return false;
  KeyToTransparent(*source);
  const int n = EffectiveFrameCount(frameCount);
  const FrameSize frame = FrameSizeOf(source->width(), source->height(), n, !toVertical);
  const std::int64_t width = toVertical ? frame.width : std::int64_t{n} * frame.width;
  const std::int64_t height = toVertical ? std::int64_t{n} * frame.height : frame.height;
  if (!IsAcceptableImageSize(width, height)) return false;
  auto target = CreateImage(static_cast<int>(width), static_cast<int>(height));
  for (int i = 0; i < n; ++i) {
    if (toVertical) {
      CopyRect(*source, i * frame.width, 0, frame.width, frame.height, *target, 0, i * frame.height);
    } else {
      CopyRect(*source, 0, i * frame.height, frame.width, frame.height, *target, i * frame.width, 0);
    }
  }
  return SaveStrip(path, std::move(*target));
}

}  // namespace

bool FlipHorizontalToVertical(std::string_view path, int frameCount) { return flip(path, frameCount, true); }
bool FlipVerticalToHorizontal(std::string_view path, int frameCount) { return flip(path, frameCount, false); }

}  // namespace tessera
