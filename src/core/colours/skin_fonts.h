#pragma once
// The skin's fonts: presets (sections Font0..Font49, item data 0..49), system fonts (sections
// SystemFont0.., item data 100 + n) and the six system font roles of section SystemFonts.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/system_colours.h"

namespace tessera {

inline constexpr int kFontPresetLimit = 50;
inline constexpr int kSystemFontItemBase = 100;
// System fonts the role lists offer (SystemFont0..SystemFont9).
inline constexpr int kRoleSystemFontCount = 10;
inline constexpr const char* kSystemFontsSection = "SystemFonts";

inline constexpr std::array<const char*, 6> kSystemFontRoles = {
    "SystemIcon", "SystemCaption", "SystemSmallCaption", "SystemMenu", "SystemMessage", "SystemStatus"};

// "Font" + n for item data n below 100, else "SystemFont" + (item data - 100).
std::string FontSectionForItem(int itemData);
bool IsSystemFontItem(int itemData);

struct FontRow {
  int itemData = 0;
  std::string text;      // Name, default "Font " n " - " FontName
  std::string fontName;  // FontName
  int height = 8;        // FontHeight
};

// Presets that exist (FontName non-empty), in number order.
std::vector<FontRow> ListFontPresets(const std::string& file);
// System fonts that exist among SystemFont0..SystemFont(count - 1).
std::vector<FontRow> ListSystemFonts(const std::string& file, int count = kFontPresetLimit);

// Writes Name of the item's section; an empty name deletes the key.
void WriteFontName(int itemData, const std::string& name, const std::string& file);

// Adds the font after the last row: a preset "Arial", or a system font "Arial" of height -8.
// Returns the new row's item data, or nullopt when the numbers are used up.
std::optional<int> AddFontPreset(std::optional<int> lastItemData, const std::string& file);
std::optional<int> AddSystemFont(std::optional<int> lastItemData, const std::string& file);

// The system font number a role is set to, or nullopt for "OS Default".
std::optional<int> ReadFontRole(const char* role, const std::string& file);
// Sets a role to a system font number; nullopt deletes the key ("OS Default").
void WriteFontRole(const char* role, std::optional<int> systemFont, const std::string& file);

// Every setting of a font section that the "Change font" dialog edits.
struct FontSettings {
  std::string fontName;
  std::string heightText = "8";   // FontHeight as stored (the size box text)
  std::optional<int> weightIndex;  // FontWeight / 100 - 1
  std::optional<int> drawingStyle;
  bool italics = false;
  bool underline = false;
  ColorRef shadowColour = 0;
  int shadowOffsetX = 1;
  int shadowOffsetY = 1;
  bool rotated = false;  // FontAngle 900
};

inline constexpr int kWeightCount = 9;
inline constexpr int kDrawingStyleCount = 5;

FontSettings ReadFontSettings(int itemData, const std::string& file);
// Writes the settings in their stored forms: face, height, weight and style only when given,
// flags as "1" or deleted, an X offset of 1 deleted, a Y offset equal to X deleted (it reads
// back as X), the angle as "900" or deleted.
void WriteFontSettings(int itemData, const FontSettings& settings, const std::string& file);

}  // namespace tessera
