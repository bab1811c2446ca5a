#include "core/colours/skin_colours.h"

#include "core/skin/section_store.h"

namespace tessera {

const char* SystemColourKeyOf(int index) {
  for (const SystemColourKey& entry : kSystemColourListOrder)
    if (entry.index == index) return entry.key;
  return nullptr;
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
