// Random bytes as a font file offered to a skin: the check must decide without reading past the
// end, and quickly, whatever the table and face counts claim.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/colours/included_fonts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)tessera::IsFontData(bytes);
  return 0;
}
