#pragma once
// The one reading of colour channels from skin files. A colour is kept either as the colour value
// form "r g b" or as three integer keys; either way a channel outside 0..255 is clamped to it
// (300 reads as 255, -5 as 0), so every window, page and preview shows the same colour.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/system_colours.h"

namespace tessera {

int ClampChannel(std::int64_t value);
ColorRef ColourFromChannels(std::int64_t red, std::int64_t green, std::int64_t blue);

// The colour value form: the number at the start, then the number after the first space, then
// the number after the next space; a missing or unreadable number counts as 0. Callers decide
// what an empty text means (usually: no colour set).
ColorRef ParseColourText(std::string_view text);
// The form the extra settings store, "r, g, b": three numbers separated by blanks, tabs or
// commas, read as the value form reads each number; nullopt unless all three are there.
std::optional<ColorRef> ParseRgbValue(std::string_view text);
// "r g b" in decimal.
std::string FormatColourValue(ColorRef colour);

}  // namespace tessera
