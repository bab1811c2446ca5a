// Random bytes as a TGA file: the decoder must refuse or read them without reading past the end,
// and a picture it accepts must survive being written and read again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/image/image_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto image = tessera::DecodeTgaData(bytes);
  if (!image) return 0;
  const auto again = tessera::DecodeTgaData(tessera::EncodeTga(*image));
  if (!again || again->width() != image->width() || again->height() != image->height()) __builtin_trap();
  (void)tessera::EncodeBmp(*image);
  return 0;
}
