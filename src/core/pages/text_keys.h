#pragma once
// The keys of the "Text" page: text alignment, colour and font of each state of a control, and
// the content (text) area of the section. The state list of the catalogue names the states.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

namespace text_keys {
inline constexpr const char* kContentTop = "ContentTop";
inline constexpr const char* kContentBottom = "ContentBottom";
inline constexpr const char* kContentLeft = "ContentLeft";
inline constexpr const char* kContentRight = "ContentRight";
}  // namespace text_keys

inline constexpr int kContentMarginMin = -100;
inline constexpr int kContentMarginMax = 1000;
// A colour or font key that is missing reads as this value, which no list entry has, so the list
// shows no selection rather than pretending the system default was chosen.
inline constexpr int kNoPresetChosen = 50;

// The keys one state of the "Text" page edits. The colour and font keys do not follow the
// alignment suffixes one to one: the engine reads them under these names.
struct TextStateKeys {
  std::string horizontalAlignment;
  std::string verticalAlignment;
  std::string colour;
  std::string font;
};
TextStateKeys TextKeysForState(int stateIndex);

struct TextStateValues {
  int horizontalAlignment = 0;  // 0 system default, 1 left, 2 centre, 3 right
  int verticalAlignment = 0;    // 0 system default, 1 top, 2 centre, 3 bottom
  int colourPreset = kNoPresetChosen;
  int fontPreset = kNoPresetChosen;
};
TextStateValues ReadTextState(std::string_view section, int stateIndex);

// What the "Text" page takes from the catalogue entry of the section.
struct TextPageCatalogue {
  std::vector<std::string> stateNames;
  bool noContent = false;  // the section draws no text: only the content margins are edited
  std::string themePart;
  int themePartIndex = 1;
};
TextPageCatalogue ReadTextPageCatalogue(std::string_view section);

// One of the four content margins (default 0).
int ReadTextContentMargin(std::string_view section, std::string_view key);

// A preset choice: a preset number, or nullopt for the system default (the key is removed).
void WritePresetKey(std::string_view section, std::string_view key, std::optional<int> preset);
void WriteIntKey(std::string_view section, std::string_view key, int value);

// The row of a preset list ("OS Default" first, then the presets of `numbers`) that shows
// `value`: 0 for a negative value, -1 (no selection) when no preset has that number.
int PresetRowForValue(const std::vector<int>& numbers, int value);
// The preset a row stands for; nullopt for "OS Default" (row 0) and for rows out of range.
std::optional<int> PresetForRow(const std::vector<int>& numbers, int row);

}  // namespace tessera
