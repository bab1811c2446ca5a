#include "core/editor/linear_order.h"

#include "core/skin/section_catalogue.h"
#include "core/skin/section_store.h"

namespace tessera {

namespace {

bool Skipped(const CatalogueFile& linear, int position, const LinearFilter& filter) {
  const bool absent = filter.buttonCount == kButtonCountAbsent;
  if (position == 28 && (filter.buttonCount == 0 || absent)) return true;
  if (position == 27 && !(filter.buttonCount == -1 || absent)) return true;
  const std::string section = std::to_string(position);
  if (filter.targetOS == 1 && linear.isOn(section, linear_keys::NoXP)) return true;
  if ((filter.targetOS == 2 || filter.targetOS == 3) && linear.isOn(section, linear_keys::NoVista)) return true;
  return linear.readText(section, linear_keys::SectionName).empty();
}

}  // namespace

LinearStep StepLinear(int position, bool forward, const LinearFilter& filter) {
  const CatalogueFile linear(catalogue_files::kLinear);
  for (int tries = 0; tries < kLinearLastPosition; ++tries) {
    if (forward) {
      position = position + 1 > kLinearLastPosition ? 1 : position + 1;
    } else {
      position = position - 1 < 1 ? kLinearLastBackPosition : position - 1;
    }
    if (!Skipped(linear, position, filter)) {
      return {position, linear.readText(std::to_string(position), linear_keys::SectionName)};
    }
  }
  return {};
}

EntrySelection SelectEntry(const std::string& entry, int secIdDefault) {
  const SectionCatalogue catalogue;
  EntrySelection selection;
  selection.section = catalogue.readText(entry, subsection_keys::Default);
  selection.group = catalogue.readInt(entry, subsection_keys::Section);
  selection.linearPosition =
      catalogue.readInt(entry, secIdDefault == 0 ? subsection_keys::SecIDAtNext : subsection_keys::SecID);
  selection.title = catalogue.readText(entry, subsection_keys::Description);
  selection.subtitle = catalogue.readText(entry, subsection_keys::Description2AtLists);
  return selection;
}

int SkinButtonCount(const std::string& mainFile) {
  // Only a missing key gives each read its own default.
  const auto withDefault = [&](int def) {
    return static_cast<int>(ReadSkinInt("Personality", "ButtonCount", def, mainFile));
  };
  const int value = withDefault(-1);
  return value == -1 && withDefault(0) == 0 ? kButtonCountAbsent : value;
}

}  // namespace tessera
