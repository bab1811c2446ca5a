#pragma once
// The "Colours :" list of the "Settings" page: which colours a section has comes from its
// catalogue entry; each colour is three integer keys (red, green, blue) of the section.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

struct ColourEntry {
  std::string label;               // "Background Colour", ...
  std::array<std::string, 3> keys;  // red, green, blue
};

// The entries the catalogue gives `section`, in list order.
std::vector<ColourEntry> SettingsColourEntries(std::string_view section);

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
// The entry's colour (0 for a missing key; values kept within 0..255).
Rgb ReadColourEntry(std::string_view section, const ColourEntry& entry);
void WriteColourEntry(std::string_view section, const ColourEntry& entry, const Rgb& colour);

}  // namespace tessera
