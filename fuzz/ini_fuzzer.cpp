// Random bytes as an INI file: every read and edit must keep working, and an edit must keep the
// bytes it does not touch.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/platform/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  tessera::IniDocument doc(bytes);
  const auto names = doc.sectionNames();
  std::string first = names.empty() ? std::string("S") : std::string(names.front());
  for (const auto name : names) {
    for (const auto key : doc.keyNames(name)) (void)doc.value(name, key);
    (void)doc.sectionEntries(name);
  }

  tessera::IniDocument edited(bytes);
  edited.setValue(first, "FuzzKey", "value");
  if (edited.value(first, "FuzzKey") != std::string_view("value")) __builtin_trap();
  edited.deleteKey(first, "FuzzKey");
  edited.replaceSection("Fuzz", {"a=1", "b"});
  edited.deleteSection("Fuzz");
  edited.deleteSection(first);
  if (edited.hasSection(first)) __builtin_trap();
  return 0;
}
