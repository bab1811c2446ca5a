#pragma once
// Window frames drawn from four border images. Each border keeps its image, frame count, stretch
// flag and two sizing margins in section "Personality".
#include <string>
#include <string_view>

#include "core/pages/image_slot.h"
#include "core/skin/catalogue.h"

namespace tessera {

inline constexpr std::string_view kBorderImagesSection = "Personality";

enum class BorderSide { Left, Right, Bottom, Top };

struct BorderKeys {
  const char* caption;        // the page's caption
  SlotKeys image;             // "Left", "Right", ...
  const char* frameCountKey;  // "LeftFrame", ...
  const char* stretchKey;     // "LeftStretch", ...
  const char* firstMarginKey;
  const char* secondMarginKey;
  const char* firstMarginCaption;
  const char* secondMarginCaption;
  CatalogueText exampleKey;   // "Preview1" .. "Preview4"
};
const BorderKeys& BorderKeysFor(BorderSide side);

// What the catalogue says about a border page.
struct BorderCatalogue {
  int imageCount = 1;           // "ImageCount" of the top-level section: the default frame count
  std::string notes;            // "ImageNotes" of the current section
  std::string examplePicture;   // full path of the example picture; empty when none is named
};
BorderCatalogue ReadBorderCatalogue(const BorderKeys& keys, std::string_view section, std::string_view topLevelSection);

struct BorderValues {
  int frameCount = 1;
  bool stretch = false;
  int firstMargin = 0;
  int secondMargin = 0;
};
BorderValues ReadBorderValues(const BorderKeys& keys, int imageCount);

// The frame count; the key is removed when it equals the catalogue's count, so the border
// follows the catalogue again.
void WriteBorderFrameCount(const BorderKeys& keys, int count, int imageCount);
// "1"/"0"; only exactly 1 reads as set.
void WriteBorderStretch(const BorderKeys& keys, bool on);

}  // namespace tessera
