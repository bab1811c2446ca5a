// Random bytes as a part colours or fonts table: reading never fails, and what is written back
// is the exact form, which reads back to the same records and writes again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/colours/part_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const tessera::PartKind kind : {tessera::PartKind::Colours, tessera::PartKind::Fonts}) {
    const auto records = tessera::ParsePartFile(bytes, kind);
    for (const auto& record : records)
      if (record.face.size() > tessera::kPartFaceNameLimit) __builtin_trap();
    const std::string written = tessera::FormatPartFile(records, kind);
    const auto reread = tessera::ParsePartFile(written, kind);
    if (reread != records) __builtin_trap();
    if (tessera::FormatPartFile(reread, kind) != written) __builtin_trap();
  }
  return 0;
}
