#include "core/colours/skin_colours.h"

#include <cstdlib>

#include "core/skin/section_store.h"

namespace tessera {

const char* SystemColourKeyOf(int index) {
  for (const SystemColourKey& entry : kSystemColourListOrder)
    if (entry.index == index) return entry.key;
  return nullptr;
}

namespace {

// atoi over the text from `pos`: leading blanks, a sign and the digits that follow.
int numberAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  return std::atoi(std::string(text.substr(pos)).c_str());
}

int channel(int value) { return value & 0xff; }

}  // namespace

ColorRef ParseColourText(std::string_view text) {
  const int red = numberAt(text, 0);
  const std::size_t first = text.find(' ');
  const int green = first == std::string_view::npos ? 0 : numberAt(text, first + 1);
  const std::size_t second = first == std::string_view::npos ? first : text.find(' ', first + 1);
  const int blue = second == std::string_view::npos ? 0 : numberAt(text, second + 1);
  return MakeColorRef(channel(red), channel(green), channel(blue));
}

std::string FormatColourValue(ColorRef colour) {
  return std::to_string(RedOf(colour)) + " " + std::to_string(GreenOf(colour)) + " " + std::to_string(BlueOf(colour));
}

ColorRef ReadSkinColourByKey(std::string_view key, int index, const std::string& file) {
  const std::string text = ReadSkinString(kColoursSection, key, "", file);
  if (text.empty()) return PlatformSystemColour(index);
  return ParseColourText(text);
}

ColorRef ReadSkinColourByIndex(int index, const std::string& file) {
  const char* key = SystemColourKeyOf(index);
  if (key == nullptr) return PlatformSystemColour(index);
  return ReadSkinColourByKey(key, index, file);
}

void WriteSkinColour(std::string_view key, ColorRef colour, const std::string& file) {
  WriteSkinString(kColoursSection, key, FormatColourValue(colour), file);
}

void ImportPlatformColours(const std::string& file) {
  for (const SystemColourKey& entry : kSystemColourListOrder)
    WriteSkinColour(entry.key, PlatformSystemColour(entry.index), file);
}

}  // namespace tessera
