#pragma once
// Fonts a skin brings along: section Fonts.Install, keys Font1 .. Font5, each a TrueType file of
// the skin folder as its path relative to the skins folder, in lower case. The engine installs
// them when the skin is applied.
#include <array>
#include <string>
#include <string_view>

#include "core/skin/skin_folder_files.h"

namespace tessera {

inline constexpr int kIncludedFontCount = 5;
using IncludedFonts = std::array<std::string, kIncludedFontCount>;  // empty = none

IncludedFonts ReadIncludedFonts();
// Writes Font1 .. Font5; an empty entry deletes its key.
void WriteIncludedFonts(const IncludedFonts& fonts);

// True when `bytes` hold a TrueType or OpenType font (or a collection of them) whose table
// directory lies inside the data.
bool IsFontData(std::string_view bytes);

// Copies a font file into the skin folder; a file that is no font is refused.
CopyIntoSkin CopyFontIntoSkin(const std::string& source);

}  // namespace tessera
