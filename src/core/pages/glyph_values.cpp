#include "core/pages/glyph_values.h"

#include <string>

#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

int ReadGlyphValue(std::string_view section, const char* key) {
  return static_cast<int>(ReadSkinInt(section, key, 0, Session().mainFile));
}

void WriteGlyphValue(std::string_view section, const char* key, int value) {
  WriteSkinString(section, key, std::to_string(value), Session().mainFile);
}

}  // namespace tessera
