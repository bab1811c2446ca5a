#include "core/sheet/skin_presets.h"

#include "core/colours/colour_presets.h"
#include "core/platform/profile.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_session.h"

namespace tessera {

std::vector<ColourPreset> SkinColourPresets() {
  const std::string& file = Session().mainFile;
  std::vector<ColourPreset> presets;
  if (file.empty()) return presets;
  profile::ReadBatch batch;
  for (int n = 0; n < kPresetCount; ++n) {
    const std::string section = "Colour" + std::to_string(n);
    const std::string name = ReadSkinString(section, "Name", "", file);
    const std::string value = ReadSkinString(section, "Colour", "", file);
    ColourPreset preset;
    preset.number = n;
    if (!value.empty()) {
      preset.label = "Skin colour : " + name;
    } else if (!ReadSkinString(section, "R", "", file).empty()) {
      preset.label = name;
    } else {
      continue;
    }
    preset.colour = ReadPresetColour(n, file);
    presets.push_back(std::move(preset));
  }
  return presets;
}

std::vector<FontPreset> SkinFontPresets() {
  const std::string& file = Session().mainFile;
  std::vector<FontPreset> presets;
  if (file.empty()) return presets;
  profile::ReadBatch batch;
  for (int n = 0; n < kPresetCount; ++n) {
    const std::string section = "Font" + std::to_string(n);
    FontPreset preset;
    preset.fontName = ReadSkinString(section, "FontName", "", file);
    if (preset.fontName.empty()) continue;
    preset.number = n;
    preset.height = static_cast<int>(ReadSkinInt(section, "FontHeight", 8, file));
    preset.label = ReadSkinString(section, "Name", preset.fontName + ", " + std::to_string(preset.height), file);
    presets.push_back(std::move(preset));
  }
  return presets;
}

}  // namespace tessera
