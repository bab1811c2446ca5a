#include "core/colours/font_preview_colours.h"

#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/registry.h"

namespace tessera {

std::string FontPreviewColoursFile() { return paths::join(registry::folder(), "tessera.ini"); }

FontPreviewColours ReadFontPreviewColours() {
  const std::string file = FontPreviewColoursFile();
  FontPreviewColours colours;
  colours.fore = profile::GetInt("Tessera", "FontPreviewFore", 0, file);
  colours.back = profile::GetInt("Tessera", "FontPreviewBack", 16777215, file);
  return colours;
}

}  // namespace tessera
