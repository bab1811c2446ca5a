#include "core/pages/text_keys.h"

#include <algorithm>

#include "core/platform/environment.h"
#include "core/skin/catalogue.h"
#include "core/skin/editor_catalogue.h"
#include "core/skin/section_catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

struct StateSuffixes {
  const char* alignment;
  const char* colourAndFont;
};

// Indexed by the entry of the state list; entries past the end use the first row.
constexpr StateSuffixes kStateSuffixes[] = {
    {"Normal", "Normal"},        {"Pressed", "Pressed"},  {"MouseOver", "Disabled"},
    {"Disabled", "Focus"},       {"Default", "Default"},  {"Activated", "FocusPressed"},
    {"ActivatedAndHighlighted", "Normal"}, {"Normal", "Normal"}, {"Normal", "Normal"},
    {"Normal", "Group"},
};

int readInt(std::string_view section, std::string_view key, int fallback) {
  return static_cast<int>(ReadSkinInt(section, key, fallback, Session().mainFile));
}

}  // namespace

TextStateKeys TextKeysForState(int stateIndex) {
  const bool known = stateIndex >= 0 && stateIndex < static_cast<int>(std::size(kStateSuffixes));
  const StateSuffixes& s = kStateSuffixes[known ? stateIndex : 0];
  return {std::string("TextHorzAlign") + s.alignment, std::string("TextVertAlign") + s.alignment,
          std::string(s.colourAndFont) + "Colour", std::string(s.colourAndFont) + "Font"};
}

TextStateValues ReadTextState(std::string_view section, int stateIndex) {
  const TextStateKeys keys = TextKeysForState(stateIndex);
  TextStateValues values;
  values.horizontalAlignment = readInt(section, keys.horizontalAlignment, 0);
  values.verticalAlignment = readInt(section, keys.verticalAlignment, 0);
  values.colourPreset = readInt(section, keys.colour, kNoPresetChosen);
  values.fontPreset = readInt(section, keys.font, kNoPresetChosen);
  return values;
}

TextPageCatalogue ReadTextPageCatalogue(std::string_view section) {
  const SectionCatalogue catalogue;
  TextPageCatalogue result;
  result.stateNames = StateNames(DataFolder(), catalogue.stateList(section));
  result.noContent = catalogue.readInt(section, subsection_keys::NoContent) == 1;
  result.themePart = catalogue.readText(section, subsection_keys::ThemePart);
  result.themePartIndex = catalogue.readInt(section, subsection_keys::ThemePartIndex);
  return result;
}

int ReadTextContentMargin(std::string_view section, std::string_view key) { return readInt(section, key, 0); }

void WritePresetKey(std::string_view section, std::string_view key, std::optional<int> preset) {
  if (preset) {
    WriteSkinString(section, key, std::to_string(*preset), Session().mainFile);
  } else {
    WriteSkinString(section, key, std::nullopt, Session().mainFile);
  }
}

void WriteIntKey(std::string_view section, std::string_view key, int value) {
  WriteSkinString(section, key, std::to_string(value), Session().mainFile);
}

int PresetRowForValue(const std::vector<int>& numbers, int value) {
  if (value < 0) return 0;
  const auto found = std::find(numbers.begin(), numbers.end(), value);
  return found == numbers.end() ? -1 : static_cast<int>(found - numbers.begin()) + 1;
}

std::optional<int> PresetForRow(const std::vector<int>& numbers, int row) {
  if (row < 1 || row > static_cast<int>(numbers.size())) return std::nullopt;
  return numbers[static_cast<std::size_t>(row - 1)];
}

}  // namespace tessera
