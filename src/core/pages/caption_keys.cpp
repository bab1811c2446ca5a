#include "core/pages/caption_keys.h"

#include <algorithm>

#include "core/colours/colour_value.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

int ReadCaptionInt(std::string_view section, std::string_view key, int fallback) {
  return static_cast<int>(ReadSkinInt(section, key, fallback, Session().mainFile));
}

int ReadIntOr(std::string_view section, std::string_view key, std::string_view fallbackKey, int fallback) {
  return ReadCaptionInt(section, key, ReadCaptionInt(section, fallbackKey, fallback));
}

void WriteCaptionInt(std::string_view section, std::string_view key, int value) {
  WriteSkinString(section, key, std::to_string(value), Session().mainFile);
}

void WriteCaptionText(std::string_view section, std::string_view key, std::string_view value) {
  WriteSkinString(section, key, value, Session().mainFile);
}

std::string StoredFormOfFreeText(std::string_view text) {
  if (text.empty()) return {};
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
  if (blank(text.front()) || blank(text.back()) || quoted) return "\"" + std::string(text) + "\"";
  return std::string(text);
}

void WriteCaptionFreeText(std::string_view section, std::string_view key, std::string_view text) {
  WriteCaptionText(section, key, StoredFormOfFreeText(text));
}

CaptionMarginValues ReadCaptionMargins(const CaptionMarginKeys& keys) {
  CaptionMarginValues v;
  v.alignment = ReadCaptionInt(keys.section, keys.alignment, 0);
  v.left = ReadCaptionInt(keys.section, keys.left, 0);
  v.right = ReadCaptionInt(keys.section, keys.right, 0);
  v.top = ReadCaptionInt(keys.section, keys.top, 0);
  v.leftNoIcon = ReadCaptionInt(keys.section, keys.leftNoIcon, v.left);
  v.rightNoIcon = ReadCaptionInt(keys.section, keys.rightNoIcon, v.right);
  return v;
}

QColor ReadRgbKeys(const RgbKeys& keys) {
  const ColorRef colour = ColourFromChannels(ReadCaptionInt(keys.section, keys.red, 0),
                                             ReadCaptionInt(keys.section, keys.green, 0),
                                             ReadCaptionInt(keys.section, keys.blue, 0));
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

void WriteRgbKeys(const RgbKeys& keys, const QColor& colour) {
  const QColor rgb = colour.toRgb();
  WriteCaptionInt(keys.section, keys.red, rgb.red());
  WriteCaptionInt(keys.section, keys.green, rgb.green());
  WriteCaptionInt(keys.section, keys.blue, rgb.blue());
}

StoredFont ReadStoredFont(std::string_view section) {
  StoredFont font;
  font.name = ReadSkinString(section, "FontName", "", Session().mainFile);
  font.height = ReadCaptionInt(section, "FontHeight", 0);
  font.weight = ReadCaptionInt(section, "FontWeight", 0);
  font.italic = ReadCaptionInt(section, "FontItalics", 0) == 1;
  return font;
}

void WriteStoredFont(std::string_view section, const StoredFont& font) {
  WriteCaptionText(section, "FontName", font.name);
  WriteCaptionInt(section, "FontHeight", font.height);
  WriteCaptionInt(section, "FontWeight", font.weight);
  WriteCaptionText(section, "FontItalics", font.italic ? "1" : "0");
}

int ReadClickActionEntry(std::string_view key) {
  const int entry = ReadCaptionInt(caption_sections::kCaption, key, -1) + 1;
  return entry >= 0 && entry < static_cast<int>(kCaptionClickActions.size()) ? entry : -1;
}

void WriteClickActionEntry(std::string_view key, int entry) {
  if (entry <= 0) {
    WriteSkinString(caption_sections::kCaption, key, std::nullopt, Session().mainFile);
  } else if (entry < static_cast<int>(kCaptionClickActions.size())) {
    WriteCaptionInt(caption_sections::kCaption, key, entry - 1);
  }
}

int FontObjectRow(const std::vector<int>& numbers, int storedValue) {
  if (storedValue < 1 || storedValue == kSystemFontObject) return 0;
  const auto found = std::find(numbers.begin(), numbers.end(), storedValue - 1);
  return found == numbers.end() ? -1 : static_cast<int>(found - numbers.begin()) + 1;
}

std::optional<int> FontObjectForRow(const std::vector<int>& numbers, int row) {
  if (row < 1 || row > static_cast<int>(numbers.size())) return std::nullopt;
  return numbers[static_cast<std::size_t>(row - 1)] + 1;
}

void WriteFontObject(std::string_view key, std::optional<int> object) {
  if (object)
    WriteCaptionInt(caption_sections::kCaption, key, *object);
  else
    WriteSkinString(caption_sections::kCaption, key, std::nullopt, Session().mainFile);
}

}  // namespace tessera
