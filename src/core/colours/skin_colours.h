#pragma once
// The skin's system colours (section Colours, one key per platform colour index) and the colour
// value form "r g b" that every colour key of a skin uses.
#include <array>
#include <string>
#include <string_view>

#include "core/colours/colour_value.h"
#include "core/platform/system_colours.h"

namespace tessera {

inline constexpr const char* kColoursSection = "Colours";

struct SystemColourKey {
  const char* key;
  int index;  // platform colour index
};

// Every key of Colours, in the order the colours editor lists them.
inline constexpr std::array<SystemColourKey, 30> kSystemColourListOrder = {{
    {"ActiveTitle", 2},         {"GradientActiveTitle", 27}, {"TitleText", 9},
    {"InactiveTitle", 3},       {"GradientInactiveTitle", 28}, {"InactiveTitleText", 19},
    {"Window", 5},              {"WindowText", 8},           {"Hilight", 13},
    {"HilightText", 14},        {"Menu", 4},                 {"MenuText", 7},
    {"MenuBar", 30},            {"MenuHilight", 29},         {"Background", 1},
    {"AppWorkspace", 12},       {"HotTrackingColor", 26},    {"InfoWindow", 24},
    {"InfoText", 23},           {"ButtonFace", 15},          {"ButtonText", 18},
    {"GrayText", 17},           {"ButtonShadow", 16},        {"ButtonHilight", 20},
    {"ButtonDkShadow", 21},     {"ButtonLight", 22},         {"Scrollbar", 0},
    {"WindowFrame", 6},         {"ActiveBorder", 10},        {"InactiveBorder", 11},
}};

// The key of a platform colour index, or nullptr (index 25 and anything out of range).
const char* SystemColourKeyOf(int index);

// The skin's colour of a platform index from section Colours of `file`; an empty value, or an
// index without a key, gives the platform's current colour.
ColorRef ReadSkinColourByIndex(int index, const std::string& file);
// The same for a named key, with `index` for the fall-back.
ColorRef ReadSkinColourByKey(std::string_view key, int index, const std::string& file);
void WriteSkinColour(std::string_view key, ColorRef colour, const std::string& file);

// Writes the platform's current colour of every listed key into Colours.
void ImportPlatformColours(const std::string& file);

}  // namespace tessera
