#include "core/pages/border_keys.h"

#include <array>
#include <optional>

#include "core/pages/frame_keys.h"
#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

const std::string& mainFile() { return Session().mainFile; }

const std::array<BorderKeys, 4> kBorders{{
    {"Left border", {"Left", nullptr}, "LeftFrame", "LeftStretch", "LeftTopHeight", "LeftBotHeight",
     "Top margin : ", "Bottom margin : ", subsection_keys::Preview1},
    {"Right border", {"Right", nullptr}, "RightFrame", "RightStretch", "RightTopHeight", "RightBotHeight",
     "Top margin : ", "Bottom margin : ", subsection_keys::Preview2},
    {"Bottom border", {"Bottom", nullptr}, "BottomFrame", "BottomStretch", "BottomTopHeight", "BottomBotHeight",
     "Left margin : ", "Right margin : ", subsection_keys::Preview3},
    {"Top border", {"Top", nullptr}, "TopFrame", "TopStretch", "TopTopHeight", "TopBotHeight", "Left margin : ",
     "Right margin : ", subsection_keys::Preview4},
}};

}  // namespace

const BorderKeys& BorderKeysFor(BorderSide side) { return kBorders[static_cast<std::size_t>(side)]; }

BorderCatalogue ReadBorderCatalogue(const BorderKeys& keys, std::string_view section, std::string_view topLevelSection) {
  const CatalogueFile catalogue(catalogue_files::kSubsections);
  BorderCatalogue result;
  result.imageCount = catalogue.readInt(topLevelSection, subsection_keys::ImageCount);
  result.notes = catalogue.readText(section, subsection_keys::ImageNotes);
  const std::string example = catalogue.readText(section, keys.exampleKey);
  if (!example.empty() && IsSafeRelativePath(example)) {
    result.examplePicture = paths::join(paths::join(DataFolder(), "previews"), example);
  }
  return result;
}

BorderValues ReadBorderValues(const BorderKeys& keys, int imageCount) {
  BorderValues values;
  values.frameCount = static_cast<int>(ReadSkinInt(kBorderImagesSection, keys.frameCountKey, imageCount, mainFile()));
  values.stretch = ReadSkinInt(kBorderImagesSection, keys.stretchKey, 0, mainFile()) == 1;
  values.firstMargin = ReadBorderMargin(kBorderImagesSection, keys.firstMarginKey);
  values.secondMargin = ReadBorderMargin(kBorderImagesSection, keys.secondMarginKey);
  return values;
}

void WriteBorderFrameCount(const BorderKeys& keys, int count, int imageCount) {
  if (count == imageCount) {
    WriteSkinString(kBorderImagesSection, keys.frameCountKey, std::nullopt, mainFile());
  } else {
    WriteSkinString(kBorderImagesSection, keys.frameCountKey, std::to_string(count), mainFile());
  }
}

void WriteBorderStretch(const BorderKeys& keys, bool on) {
  WriteSkinString(kBorderImagesSection, keys.stretchKey, on ? "1" : "0", mainFile());
}

}  // namespace tessera
