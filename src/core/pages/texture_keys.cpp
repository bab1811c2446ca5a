#include "core/pages/texture_keys.h"

#include <algorithm>

#include "core/image/zor_colour.h"
#include "core/pages/image_slot.h"
#include "core/platform/paths.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

// The key as stored, or nullopt when it is absent.
std::optional<std::string> storedValue(std::string_view section, std::string_view key) {
  return profile::FindValue(section, key, SkinFileForSection(section));
}

int readInt(std::string_view section, std::string_view key, int whenAbsent) {
  return static_cast<int>(ReadSkinInt(section, key, whenAbsent, Session().mainFile));
}

// Writes `value` unless the key is present and already reads as it.
bool writeNumber(std::string_view section, std::string_view key, int value) {
  if (storedValue(section, key) && readInt(section, key, value) == value) return false;
  return WriteSkinString(section, key, std::to_string(value), Session().mainFile) != 0;
}

bool hasSection(std::string_view section) {
  for (const std::string& name : profile::SectionNames(SkinFileForSection(section))) {
    if (paths::equalsIgnoreCase(name, section)) return true;
  }
  return false;
}

}  // namespace

std::string ReadTexture(std::string_view section) { return ReadSkinString(section, "Image", "", Session().mainFile); }

bool WriteTextureChoice(std::string_view section, std::string_view value) {
  const std::string& file = Session().mainFile;
  if (value.empty()) {
    if (!hasSection(section)) return false;
    return WriteSkinString(section, std::nullopt, std::nullopt, file) != 0;
  }
  if (storedValue(section, "Image") == std::string(value)) return false;
  return WriteSkinString(section, "Image", value, file) != 0;
}

std::vector<std::string> TextureFiles() { return ListSlotFiles(false); }

int ReadFrameAlpha(const AlphaKey& alpha) {
  return std::clamp(readInt(kFrameDrawingSection, alpha.key, alpha.whenAbsent), 0, kMaxAlpha);
}

bool WriteFrameAlpha(const AlphaKey& alpha, int value) {
  return writeNumber(kFrameDrawingSection, alpha.key, std::clamp(value, 0, kMaxAlpha));
}

std::optional<int> ReadFrameHue(const char* key) {
  if (!storedValue(kFrameHueSection, key)) return std::nullopt;
  const int value = readInt(kFrameHueSection, key, -1);
  if (value < 0) return std::nullopt;
  return std::min(value, kMaxHue);
}

bool WriteFrameHue(const char* key, std::optional<int> value) {
  if (!value) {
    if (!storedValue(kFrameHueSection, key)) return false;
    return WriteSkinString(kFrameHueSection, key, std::nullopt, Session().mainFile) != 0;
  }
  return writeNumber(kFrameHueSection, key, std::clamp(*value, 0, kMaxHue));
}

bool ReadNoFlip() { return readInt(kFrameDrawingSection, "NoFlip", 0) == 1; }

bool WriteNoFlip(bool noFlip) { return writeNumber(kFrameDrawingSection, "NoFlip", noFlip ? 1 : 0); }

unsigned int RainbowColumnColour(int x, int width) {
  const int hue = width > 0 ? 360 * std::clamp(x, 0, width) / width : 0;
  int red = 0, green = 0, blue = 0;
  zor::FromHsl(zor::Hsl{static_cast<double>(hue % 360), 0.8, 0.5}, red, green, blue);
  return (static_cast<unsigned int>(red) << 16) | (static_cast<unsigned int>(green) << 8) | static_cast<unsigned int>(blue);
}

}  // namespace tessera
