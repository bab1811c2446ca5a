#include "core/sheet/section_preview.h"

#include <string>

#include "core/app/preview_engine.h"
#include "core/skin/section_catalogue.h"
#include "core/skin/section_store.h"

namespace tessera {

void ReloadSectionPreview(std::string_view section, std::string_view topLevelSection) {
  const PreviewLibrary& preview = Preview();
  preview.CloseSection();
  preview.LoadUpSection(SkinFileForSection(section), std::string(section),
                        SectionCatalogue().imageCount(topLevelSection));
}

}  // namespace tessera
