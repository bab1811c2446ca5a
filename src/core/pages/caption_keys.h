#pragma once
// The keys of the caption pages: text placement of title bars (section "Caption" for the advanced
// frame, "Personality" for the basic one), shadows and colours of the caption text, the caption
// font and what a click on the caption does.
#include <QColor>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

namespace caption_sections {
inline constexpr const char* kCaption = "Caption";
inline constexpr const char* kPersonality = "Personality";
inline constexpr const char* kText = "Text";
inline constexpr const char* kFonts = "Fonts";
}  // namespace caption_sections

inline constexpr int kCaptionMarginMin = -1000;
inline constexpr int kCaptionMarginMax = 1000;

// The alignment and margin keys of one caption layout. The no-icon margins fall back to the
// normal margins while they have no key of their own.
struct CaptionMarginKeys {
  const char* section;
  const char* alignment;
  const char* left;
  const char* right;
  const char* top;
  const char* leftNoIcon;
  const char* rightNoIcon;
};
inline constexpr CaptionMarginKeys kCaptionLayoutMargins{"Caption", "TextAlignMode", "TextLeftShift",
                                                         "TextRightShift", "TextTopShift", "TextLeftShiftNoIcon",
                                                         "TextRightShiftNoIcon"};
inline constexpr CaptionMarginKeys kPersonalityMargins{"Personality", "TextAlignment", "TextShift",
                                                       "TextRightClip", "TextShiftVert", "TextShiftNoIcon",
                                                       "TextRightClipNoIcon"};

struct CaptionMarginValues {
  int alignment = 0;  // 0 left, 1 centred, 2 right
  int left = 0;
  int right = 0;
  int top = 0;
  int leftNoIcon = 0;
  int rightNoIcon = 0;
};
CaptionMarginValues ReadCaptionMargins(const CaptionMarginKeys& keys);

int ReadCaptionInt(std::string_view section, std::string_view key, int fallback);
// `key`, or the value of `fallbackKey` (itself `fallback` when missing) while `key` is missing.
int ReadIntOr(std::string_view section, std::string_view key, std::string_view fallbackKey, int fallback);
void WriteCaptionInt(std::string_view section, std::string_view key, int value);
void WriteCaptionText(std::string_view section, std::string_view key, std::string_view value);
// Free text the user typed. INI reads cut surrounding blanks and one pair of surrounding quotes,
// so such text is stored inside quotes to reach the engine as typed.
void WriteCaptionFreeText(std::string_view section, std::string_view key, std::string_view text);
std::string StoredFormOfFreeText(std::string_view text);

// A colour kept as three keys, red, green and blue, each 0..255.
struct RgbKeys {
  const char* section;
  const char* red;
  const char* green;
  const char* blue;
};
inline constexpr RgbKeys kShadowColourKeys{"Text", "ShadowTextR", "ShadowTextG", "ShadowTextB"};
inline constexpr RgbKeys kActiveTextColourKeys{"Personality", "ActiveTextR", "ActiveTextG", "ActiveTextB"};
inline constexpr RgbKeys kInactiveTextColourKeys{"Personality", "InactiveTextR", "InactiveTextG", "InactiveTextB"};
// Missing keys read as 0; values outside 0..255 are clamped to it.
QColor ReadRgbKeys(const RgbKeys& keys);
void WriteRgbKeys(const RgbKeys& keys, const QColor& colour);

// A font kept as "FontName", "FontHeight", "FontWeight" and "FontItalics" of a section.
struct StoredFont {
  std::string name;
  int height = 0;  // points; negative: a pixel height
  int weight = 0;  // 100..900; 0 = not set
  bool italic = false;
};
StoredFont ReadStoredFont(std::string_view section);
// Always writes all four keys, so no key of an older font is left behind.
void WriteStoredFont(std::string_view section, const StoredFont& font);

// What a double or right click on a caption does, in list order. The stored value is the entry
// less one; the first entry is the system's own action, stored by removing the key.
inline constexpr std::array<const char*, 9> kCaptionClickActions = {
    "Perform OS default action", "Close window",      "Minimize window",
    "Maximize window",           "Rollup/down window", "Set always on top",
    "Show system menu",          "Send window to bottom", "Minimize window to system tray"};
inline constexpr const char* kDoubleClickAction = "DoubleClickAction";
inline constexpr const char* kRightClickAction = "RightClickAction";
// The entry the stored action shows; -1 (no selection) for a value no entry has.
int ReadClickActionEntry(std::string_view key);
void WriteClickActionEntry(std::string_view key, int entry);

// The caption font presets of the advanced frame count from 1 (1 is the first preset); 255 and
// values below 1 mean the system font.
inline constexpr const char* kActiveFontObject = "TitlebarFontObject";
inline constexpr const char* kInactiveFontObject = "TitlebarFontObjectInActive";
inline constexpr int kSystemFontObject = 255;
// The row of the font preset list ("OS Default" first, then the presets of `numbers`) for a
// stored font object, and the other way round (nullopt: remove the key).
int FontObjectRow(const std::vector<int>& numbers, int storedValue);
std::optional<int> FontObjectForRow(const std::vector<int>& numbers, int row);
// Writes a font object of section "Caption"; nullopt removes the key.
void WriteFontObject(std::string_view key, std::optional<int> object);

}  // namespace tessera
