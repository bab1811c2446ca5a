#pragma once
// Reloads one section into the preview library, so a page's own preview shows the section as it
// now stands in the skin files.
#include <string_view>

namespace tessera {

// CloseSection, then LoadUpSection with the section's routed file and the image count of the
// catalogue entry it belongs to.
void ReloadSectionPreview(std::string_view section, std::string_view topLevelSection);

}  // namespace tessera
