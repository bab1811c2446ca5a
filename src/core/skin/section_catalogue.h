#pragma once
// subsections.ini: what each skin section is called, which file holds it, how many frames its
// picture has and how the section editor treats it. Keys and defaults are in catalogue.h.
#include <string>
#include <string_view>

#include "core/skin/catalogue.h"
#include "core/skin/os_filter.h"

namespace tessera {

// Frame counts are bounded so that a damaged catalogue cannot make callers divide by zero or
// allocate without end.
inline constexpr int kMaxImageCount = 4096;

class SectionCatalogue {
 public:
  explicit SectionCatalogue(std::string_view dataFolder);
  // The catalogue of the current data folder.
  SectionCatalogue();

  const CatalogueFile& file() const { return file_; }

  int readInt(std::string_view section, const CatalogueInt& key) const { return file_.readInt(section, key); }
  bool isOn(std::string_view section, const CatalogueInt& key) const { return file_.isOn(section, key); }
  std::string readText(std::string_view section, const CatalogueText& key) const {
    return file_.readText(section, key);
  }

  int alternativeFile(std::string_view section) const;
  std::string description(std::string_view section) const;
  // ImageCount, at least 1 and at most kMaxImageCount.
  int imageCount(std::string_view section) const;
  int stateList(std::string_view section) const;
  bool framesVertical(std::string_view section) const;
  bool noLayers(std::string_view section) const;
  OsFlags osFlags(std::string_view section) const;
  // Hidden by the TargetOS filter, or by NoUIS0 for a frameless skin.
  bool hiddenFor(std::string_view section, int targetOS, bool framelessSkin) const;

 private:
  CatalogueFile file_;
};

}  // namespace tessera
