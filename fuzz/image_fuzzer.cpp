// Random bytes as a picture file of any kind (TGA by content, else the codecs): loading must
// refuse or succeed without a crash, and an accepted picture has a sane size.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/image/image_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string format;
  const auto image = tessera::LoadImageData(bytes, &format);
  if (!image) return 0;
  if (!tessera::IsAcceptableImageSize(image->width(), image->height()) || format.empty()) __builtin_trap();
  (void)tessera::HasAlpha(*image);
  return 0;
}
