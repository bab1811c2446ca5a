#include "core/colours/colour_presets.h"

#include "core/colours/skin_colours.h"
#include "core/platform/profile.h"
#include "core/skin/section_store.h"

namespace tessera {

namespace {
constexpr std::size_t kPresetTextSize = 50;
}

std::string ColourPresetSection(int number) { return "Colour" + std::to_string(number); }

std::vector<ColourPresetRow> ListColourPresets(const std::string& file) {
  profile::ReadBatch batch;
  std::vector<ColourPresetRow> rows;
  for (int i = 0; i < kColourPresetLimit; ++i) {
    const std::string section = ColourPresetSection(i);
    const std::string colour = ReadSkinString(section, "Colour", "", file, kPresetTextSize);
    std::string defaultName;
    if (!colour.empty()) {
      defaultName = "Colour " + std::to_string(i) + " - " + colour;
    } else if (!ReadSkinString(section, "R", "", file).empty()) {
      defaultName = "Colour " + std::to_string(i);
    } else {
      continue;
    }
    rows.push_back({i, kSkinColourPrefix + ReadSkinString(section, "Name", defaultName, file, kPresetTextSize)});
  }
  return rows;
}

ColorRef ReadPresetColour(int number, const std::string& file) {
  const std::string section = ColourPresetSection(number);
  const std::string colour = ReadSkinString(section, "Colour", "", file);
  if (!colour.empty()) return ParseColourText(colour);
  // The older form: three integer keys; a missing R is full red (the low byte of its -1).
  const auto channel = [&](const char* key, int def) {
    return static_cast<int>(ReadSkinInt(section, key, def, file));
  };
  return ColourFromChannels(channel("R", 255), channel("G", 0), channel("B", 0));
}

void WritePresetColour(int number, ColorRef colour, const std::string& file) {
  WriteSkinString(ColourPresetSection(number), "Colour", FormatColourValue(colour), file);
}

void WritePresetName(int number, const std::string& name, const std::string& file) {
  WriteSkinString(ColourPresetSection(number), "Name",
                  name.empty() ? profile::OptionalText{} : profile::OptionalText{name}, file);
}

std::optional<int> AddColourPreset(int lastNumber, const std::string& file) {
  const int number = lastNumber + 1;
  if (number < 0 || number >= kColourPresetLimit) return std::nullopt;
  WriteSkinString(ColourPresetSection(number), "Colour", "0 0 0", file);
  return number;
}

}  // namespace tessera
