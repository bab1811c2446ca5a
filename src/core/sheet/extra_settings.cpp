#include "core/sheet/extra_settings.h"

#include <algorithm>

#include "core/colours/colour_value.h"
#include "core/platform/profile.h"
#include "core/skin/catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

std::vector<ExtraEntry> ReadExtraEntries(std::string_view dataFolder, std::string_view section) {
  profile::ReadBatch batch;
  std::vector<ExtraEntry> entries;
  for (const auto& line : ExtraSettingLines(dataFolder, section)) {
    ExtraEntry entry;
    entry.line = line;
    entry.name = ExtraEntryName(line);
    entry.definition = ReadExtraDefinition(dataFolder, entry.name, section);
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::optional<std::string> StoredExtraValue(const ExtraDefinition& d) {
  return profile::FindValue(d.section, d.name, SkinFileForSection(d.section));
}

std::string CurrentExtraText(const ExtraDefinition& d) {
  return ReadSkinString(d.section, d.name, std::to_string(d.defaultValue), Session().mainFile);
}

int CurrentExtraInt(const ExtraDefinition& d) {
  return static_cast<int>(ReadSkinInt(d.section, d.name, d.defaultValue, Session().mainFile));
}

std::string ExtraRowValue(std::string_view dataFolder, const ExtraEntry& entry) {
  const ExtraDefinition& d = entry.definition;
  switch (d.type) {
    case extra_types::kFlag:
      return CurrentExtraInt(d) < 1 ? "Disabled" : "Enabled";
    case extra_types::kChoice: {
      const int option = ChoiceOptionForValue(dataFolder, entry.name, CurrentExtraInt(d));
      return option == 0 ? d.value0 : option == 1 ? d.value1 : d.value2;
    }
    case extra_types::kColour: {
      auto stored = StoredExtraValue(d);
      return stored ? *stored : "not set";
    }
    default:
      return CurrentExtraText(d);
  }
}

void WriteExtraValue(const ExtraDefinition& d, std::optional<std::string_view> value) {
  WriteSkinString(d.section, d.name, value, Session().mainFile);
}

int ChoiceStoredValue(std::string_view dataFolder, std::string_view entryName, int index) {
  const std::string key = std::to_string(index);
  return CatalogueFile(dataFolder, catalogue_files::kExtraDetails).readInt(entryName, CatalogueInt{key.c_str(), index});
}

int ChoiceOptionForValue(std::string_view dataFolder, std::string_view entryName, int value) {
  for (int index = 0; index < 3; ++index)
    if (ChoiceStoredValue(dataFolder, entryName, index) == value) return index;
  return value == 0 ? 0 : value == 1 ? 1 : 2;
}

std::string FormatRgbValue(ColorRef colour) {
  return std::to_string(RedOf(colour)) + ", " + std::to_string(GreenOf(colour)) + ", " +
         std::to_string(BlueOf(colour));
}

}  // namespace tessera
