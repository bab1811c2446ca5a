#include "core/skin/section_catalogue.h"

#include <algorithm>

namespace tessera {

namespace keys = subsection_keys;

SectionCatalogue::SectionCatalogue(std::string_view dataFolder) : file_(dataFolder, catalogue_files::kSubsections) {}

SectionCatalogue::SectionCatalogue() : file_(catalogue_files::kSubsections) {}

int SectionCatalogue::alternativeFile(std::string_view section) const { return readInt(section, keys::AlternativeFile); }

std::string SectionCatalogue::description(std::string_view section) const {
  return readText(section, keys::Description);
}

int SectionCatalogue::imageCount(std::string_view section) const {
  return std::clamp(readInt(section, keys::ImageCount), 1, kMaxImageCount);
}

int SectionCatalogue::stateList(std::string_view section) const { return readInt(section, keys::StateList); }

bool SectionCatalogue::framesVertical(std::string_view section) const { return isOn(section, keys::Vert); }

bool SectionCatalogue::noLayers(std::string_view section) const { return isOn(section, keys::NoLayers); }

OsFlags SectionCatalogue::osFlags(std::string_view section) const {
  return {isOn(section, keys::SevenOnly), isOn(section, keys::NotVista), isOn(section, keys::NotXP),
          isOn(section, keys::NotSeven)};
}

bool SectionCatalogue::hiddenFor(std::string_view section, int targetOS, bool framelessSkin) const {
  if (framelessSkin && isOn(section, keys::NoUIS0)) return true;
  return HiddenForTarget(osFlags(section), targetOS);
}

}  // namespace tessera
