#pragma once
// The skin's numbered colour presets (sections Colour0..Colour49) as the colours editor lists,
// reads and writes them.
#include <optional>
#include <string>
#include <vector>

#include "core/platform/system_colours.h"

namespace tessera {

inline constexpr int kColourPresetLimit = 50;
inline constexpr const char* kSkinColourPrefix = "Skin colour : ";

std::string ColourPresetSection(int number);

struct ColourPresetRow {
  int number = 0;
  std::string text;  // "Skin colour : " and the display name
};

// The presets of `file` that exist, in number order.
std::vector<ColourPresetRow> ListColourPresets(const std::string& file);

// The preset's colour: Colour, else the older R/G/B keys.
ColorRef ReadPresetColour(int number, const std::string& file);
void WritePresetColour(int number, ColorRef colour, const std::string& file);
// Writes Name; an empty name deletes the key.
void WritePresetName(int number, const std::string& name, const std::string& file);

// Creates the preset after `lastNumber` (-1 when there is none) as black; nullopt when that
// number would pass the last preset.
std::optional<int> AddColourPreset(int lastNumber, const std::string& file);

}  // namespace tessera
