#pragma once
// The colour presets (sections Colour0..Colour49) and font presets (Font0..Font49) of the open
// skin, as the lists that let a key choose one by number.
#include <string>
#include <vector>

#include "core/platform/system_colours.h"

namespace tessera {

inline constexpr int kPresetCount = 50;

struct ColourPreset {
  int number = 0;     // n of section "Colour" + n
  std::string label;  // "Skin colour : " + Name for the "Colour" form, Name for the older R/G/B form
  ColorRef colour = 0;
};

struct FontPreset {
  int number = 0;     // n of section "Font" + n
  std::string label;  // Name, default: font name, ", " and height
  std::string fontName;
  int height = 8;
};

// Presets of the session's main working file, in number order. Gaps in the numbering are kept
// out of the lists; each preset carries its own number.
std::vector<ColourPreset> SkinColourPresets();
std::vector<FontPreset> SkinFontPresets();

}  // namespace tessera
