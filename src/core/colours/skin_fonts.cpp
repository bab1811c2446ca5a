#include "core/colours/skin_fonts.h"

#include "core/platform/profile.h"
#include "core/colours/colour_value.h"
#include "core/skin/section_store.h"

namespace tessera {

namespace {

constexpr std::size_t kListTextSize = 100;

profile::OptionalText flag(bool on) { return on ? profile::OptionalText{"1"} : profile::OptionalText{}; }

std::optional<FontRow> readRow(int itemData, int ownNumber, const std::string& file) {
  const std::string section = FontSectionForItem(itemData);
  FontRow row;
  row.itemData = itemData;
  row.fontName = ReadSkinString(section, "FontName", "", file, kListTextSize);
  if (row.fontName.empty()) return std::nullopt;
  const std::string defaultName = "Font " + std::to_string(ownNumber) + " - " + row.fontName;
  row.text = ReadSkinString(section, "Name", defaultName, file, kListTextSize);
  row.height = static_cast<int>(ReadSkinInt(section, "FontHeight", 8, file));
  return row;
}

}  // namespace

bool IsSystemFontItem(int itemData) { return itemData >= kSystemFontItemBase; }

std::string FontSectionForItem(int itemData) {
  if (IsSystemFontItem(itemData)) return "SystemFont" + std::to_string(itemData - kSystemFontItemBase);
  return "Font" + std::to_string(itemData);
}

std::vector<FontRow> ListFontPresets(const std::string& file) {
  profile::ReadBatch batch;
  std::vector<FontRow> rows;
  for (int i = 0; i < kFontPresetLimit; ++i)
    if (auto row = readRow(i, i, file)) rows.push_back(*row);
  return rows;
}

std::vector<FontRow> ListSystemFonts(const std::string& file, int count) {
  profile::ReadBatch batch;
  std::vector<FontRow> rows;
  for (int i = 0; i < count; ++i)
    if (auto row = readRow(kSystemFontItemBase + i, i, file)) rows.push_back(*row);
  return rows;
}

void WriteFontName(int itemData, const std::string& name, const std::string& file) {
  WriteSkinString(FontSectionForItem(itemData), "Name",
                  name.empty() ? profile::OptionalText{} : profile::OptionalText{name}, file);
}

std::optional<int> AddFontPreset(std::optional<int> lastItemData, const std::string& file) {
  const int number = lastItemData ? *lastItemData + 1 : 0;
  if (number < 0 || number >= kFontPresetLimit) return std::nullopt;
  WriteSkinString(FontSectionForItem(number), "FontName", "Arial", file);
  return number;
}

std::optional<int> AddSystemFont(std::optional<int> lastItemData, const std::string& file) {
  // The first system font is SystemFont0, so the role numbers match the font numbers.
  const int itemData = lastItemData ? *lastItemData + 1 : kSystemFontItemBase;
  const int number = itemData - kSystemFontItemBase;
  if (number < 0 || number >= kFontPresetLimit) return std::nullopt;
  const std::string section = FontSectionForItem(itemData);
  WriteSkinString(section, "FontName", "Arial", file);
  WriteSkinString(section, "FontHeight", "-8", file);
  return itemData;
}

std::optional<int> ReadFontRole(const char* role, const std::string& file) {
  const auto value = static_cast<int>(ReadSkinInt(kSystemFontsSection, role, -1, file));
  if (value < 0) return std::nullopt;
  return value;
}

void WriteFontRole(const char* role, std::optional<int> systemFont, const std::string& file) {
  if (!systemFont) {
    WriteSkinString(kSystemFontsSection, role, profile::OptionalText{}, file);
  } else {
    WriteSkinString(kSystemFontsSection, role, std::to_string(*systemFont), file);
  }
}

FontSettings ReadFontSettings(int itemData, const std::string& file) {
  const std::string section = FontSectionForItem(itemData);
  auto readInt = [&](const char* key, int def) { return static_cast<int>(ReadSkinInt(section, key, def, file)); };
  FontSettings s;
  s.fontName = ReadSkinString(section, "FontName", "", file, 50);
  s.heightText = std::to_string(readInt("FontHeight", 8));
  const int weightIndex = readInt("FontWeight", 400) / 100 - 1;
  if (weightIndex >= 0 && weightIndex < kWeightCount) s.weightIndex = weightIndex;
  const int style = readInt("DrawingStyle", 0);
  if (style >= 0 && style < kDrawingStyleCount) s.drawingStyle = style;
  s.italics = readInt("Italics", 0) == 1;
  s.underline = readInt("Underline", 0) == 1;
  s.shadowColour = ColourFromChannels(readInt("ShadowR", 0), readInt("ShadowG", 0), readInt("ShadowB", 0));
  s.shadowOffsetX = readInt("ShadowOffset", 1);
  s.shadowOffsetY = readInt("ShadowOffsetY", s.shadowOffsetX);
  s.rotated = readInt("FontAngle", 0) == 900;
  return s;
}

void WriteFontSettings(int itemData, const FontSettings& s, const std::string& file) {
  const std::string section = FontSectionForItem(itemData);
  auto write = [&](const char* key, profile::OptionalText value) { WriteSkinString(section, key, value, file); };
  auto offset = [](int value) {
    return value == 1 ? std::optional<std::string>{} : std::optional<std::string>{std::to_string(value)};
  };
  if (!s.fontName.empty()) write("FontName", s.fontName);
  if (!s.heightText.empty()) write("FontHeight", s.heightText);
  if (s.weightIndex) write("FontWeight", std::to_string((*s.weightIndex + 1) * 100));
  if (s.drawingStyle) write("DrawingStyle", std::to_string(*s.drawingStyle));
  write("Italics", flag(s.italics));
  write("Underline", flag(s.underline));
  write("ShadowR", std::to_string(RedOf(s.shadowColour)));
  write("ShadowG", std::to_string(GreenOf(s.shadowColour)));
  write("ShadowB", std::to_string(BlueOf(s.shadowColour)));
  const auto x = offset(s.shadowOffsetX);
  // Y reads back as X when absent, so it is left out only when it equals X; an offset of 1 for
  // both leaves neither key.
  const auto y = s.shadowOffsetY == s.shadowOffsetX ? std::optional<std::string>{} : std::optional<std::string>{std::to_string(s.shadowOffsetY)};
  write("ShadowOffset", x ? profile::OptionalText{*x} : profile::OptionalText{});
  write("ShadowOffsetY", y ? profile::OptionalText{*y} : profile::OptionalText{});
  write("FontAngle", s.rotated ? profile::OptionalText{"900"} : profile::OptionalText{});
}

}  // namespace tessera
