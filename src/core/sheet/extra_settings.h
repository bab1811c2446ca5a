#pragma once
// The table-driven "Extra settings" of a section: the entries extras.ini lists for it, their
// definitions in extraDetails.ini, how each value shows in the list and what each editor writes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/colours/colour_value.h"
#include "core/platform/system_colours.h"
#include "core/skin/editor_catalogue.h"

namespace tessera {

// Editor kinds by the definition's "Type"; any other type is a number.
namespace extra_types {
inline constexpr int kFlag = 2;
inline constexpr int kChoice = 3;
inline constexpr int kColourPreset = 4;
inline constexpr int kFontPreset = 5;
inline constexpr int kColour = 7;
}  // namespace extra_types

struct ExtraEntry {
  std::string line;  // the line of extras.ini as listed
  std::string name;  // the entry name E (the line without its last two characters)
  ExtraDefinition definition;
};

// The entries of `section` (with the six layer entries for a layer section).
std::vector<ExtraEntry> ReadExtraEntries(std::string_view dataFolder, std::string_view section);

// The stored value of the entry's key in the skin, or nullopt when the key is missing.
std::optional<std::string> StoredExtraValue(const ExtraDefinition& d);
// The stored value, or the decimal default.
std::string CurrentExtraText(const ExtraDefinition& d);
int CurrentExtraInt(const ExtraDefinition& d);

// The value column of the entry's row.
std::string ExtraRowValue(std::string_view dataFolder, const ExtraEntry& entry);

// Writes the entry's key in the skin; nullopt deletes it.
void WriteExtraValue(const ExtraDefinition& d, std::optional<std::string_view> value);

// Choice entries: the stored value of option `index` (0..2), by the keys "0", "1", "2" of the
// entry's definition (default: the index itself), and back: the option whose stored value is
// `value`; a value no option stores selects option 0 for 0, 1 for 1 and 2 for anything else.
int ChoiceStoredValue(std::string_view dataFolder, std::string_view entryName, int index);
int ChoiceOptionForValue(std::string_view dataFolder, std::string_view entryName, int value);

// Colour entries: "r, g, b"; ParseRgbValue (core/colours/colour_value.h) reads it back.
std::string FormatRgbValue(ColorRef colour);

}  // namespace tessera
