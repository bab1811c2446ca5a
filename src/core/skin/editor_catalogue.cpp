#include "core/skin/editor_catalogue.h"

#include <array>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/settings.h"
#include "core/skin/section_catalogue.h"

namespace tessera {

namespace {

constexpr std::array<const char*, 6> kLayerExtraLines = {"ContentTop3=0",   "ContentLeft3=0",   "ContentRight3=0",
                                                         "ContentBottom3=0", "AlignLayerMode=0", "LayerBlendOrder=0"};

std::vector<std::string> namesBeforeLastEquals(const CatalogueFile& file, int number) {
  std::vector<std::string> names;
  for (const auto& line : file.readSection(std::to_string(number))) names.push_back(TextBeforeLastEquals(line));
  return names;
}

}  // namespace

std::string TextBeforeLastEquals(std::string_view line) {
  const auto equals = line.rfind('=');
  return std::string(equals == std::string_view::npos ? line : line.substr(0, equals));
}

std::vector<std::string> StateNames(std::string_view dataFolder, int number) {
  return namesBeforeLastEquals(CatalogueFile(dataFolder, catalogue_files::kStateList), number);
}

std::vector<GroupEntry> GroupEntries(std::string_view dataFolder, int group) {
  const CatalogueFile file(dataFolder, catalogue_files::kSubsections3);
  std::vector<GroupEntry> entries;
  for (const auto& line : file.readSection(std::to_string(group))) {
    const auto equals = line.find('=');
    GroupEntry entry;
    entry.name = line.substr(0, equals);
    if (equals != std::string::npos && equals + 1 < line.size()) entry.type = ParseLeadingInt(line.substr(equals + 1));
    entries.push_back(std::move(entry));
  }
  return entries;
}

GroupInfo ReadGroupInfo(std::string_view dataFolder, int group) {
  namespace keys = group_keys;
  const CatalogueFile file(dataFolder, catalogue_files::kSubsections4);
  const std::string section = std::to_string(group);
  GroupInfo info;
  info.description = file.readText(section, keys::Description);
  info.name = file.readText(section, keys::Name);
  info.section = file.readInt(section, keys::Section);
  info.os = {file.isOn(section, keys::SevenOnly), file.isOn(section, keys::NotVista), file.isOn(section, keys::NotXP),
             file.isOn(section, keys::NotSeven)};
  return info;
}

GroupPath SplitGroupDescription(std::string_view description) {
  const auto slash = description.find('\\');
  if (slash == std::string_view::npos) return {"", std::string(description)};
  return {std::string(description.substr(0, slash)), std::string(description.substr(slash + 1))};
}

std::vector<std::string> PreviewStates(std::string_view dataFolder, int group) {
  return namesBeforeLastEquals(CatalogueFile(dataFolder, catalogue_files::kPreviewStates), group);
}

HoverStates ReadHoverStates(std::string_view dataFolder, int group) {
  const CatalogueFile file(dataFolder, catalogue_files::kPreview2);
  const std::string section = std::to_string(group);
  return {file.readInt(section, preview_keys::MouseState), file.readInt(section, preview_keys::PressedState)};
}

LinearPosition ReadLinearPosition(std::string_view dataFolder, int position) {
  const CatalogueFile file(dataFolder, catalogue_files::kLinear);
  const std::string section = std::to_string(position);
  return {file.readText(section, linear_keys::SectionName), file.isOn(section, linear_keys::NoXP),
          file.isOn(section, linear_keys::NoVista)};
}

bool IsLayerSection(std::string_view section) {
  const auto colon = section.find(':');
  return colon != std::string_view::npos && colon >= 1;
}

bool HasExtraSettings(std::string_view dataFolder, std::string_view section) {
  return IsLayerSection(section) || CatalogueFile(dataFolder, catalogue_files::kExtras).hasEntries(section);
}

std::vector<std::string> ExtraSettingLines(std::string_view dataFolder, std::string_view section) {
  std::vector<std::string> lines = CatalogueFile(dataFolder, catalogue_files::kExtras).readSection(section);
  if (IsLayerSection(section)) lines.insert(lines.end(), kLayerExtraLines.begin(), kLayerExtraLines.end());
  return lines;
}

std::string ExtraEntryName(std::string_view line) {
  return std::string(line.substr(0, line.size() >= 2 ? line.size() - 2 : 0));
}

ExtraDefinition ReadExtraDefinition(std::string_view dataFolder, std::string_view entry,
                                    std::string_view currentSection) {
  namespace keys = extra_detail_keys;
  const CatalogueFile file(dataFolder, catalogue_files::kExtraDetails);
  ExtraDefinition d;
  d.description = file.readText(entry, keys::Description);
  d.section = file.readText(entry, keys::Section);
  if (d.section.empty()) d.section = std::string(currentSection);
  d.name = file.readText(entry, keys::Name);
  d.defaultValue = file.readInt(entry, keys::Default);
  d.text = file.readText(entry, keys::Text);
  d.type = file.readInt(entry, keys::Type);
  d.value0 = file.readText(entry, keys::Value0);
  d.value1 = file.readText(entry, keys::Value1);
  d.value2 = file.readText(entry, keys::Value2);
  d.rangeMin = file.readInt(entry, keys::RangeMin);
  d.rangeMax = file.readInt(entry, keys::RangeMax);
  return d;
}

namespace {

std::string previewSlotValue(std::string_view dataFolder, std::string_view fileName) {
  return paths::lower(std::string(paths::fileName(dataFolder)) + "\\previews\\" + std::string(fileName));
}

// The section of previews.ini that describes a picture: the one named by its file name, else the
// one named by its path relative to the skins folder.
std::string previewSection(const CatalogueFile& file, std::string_view dataFolder, std::string_view fileName) {
  if (file.hasEntries(fileName)) return std::string(fileName);
  return previewSlotValue(dataFolder, fileName);
}

}  // namespace

std::string PreviewPictureEntry(std::string_view dataFolder, std::string_view fileName) {
  const CatalogueFile previews(dataFolder, catalogue_files::kPreviews);
  const std::string section = previewSection(previews, dataFolder, fileName);
  if (!previews.hasEntries(section)) return {};
  const std::string entry = previews.readText(section, preview_keys::SectionName);
  if (entry.empty() || !SectionCatalogue(dataFolder).file().hasEntries(entry)) return {};
  return entry;
}

std::vector<PreviewPicture> PreviewPictures(std::string_view dataFolder) {
  const CatalogueFile file(dataFolder, catalogue_files::kPreviews);
  std::vector<PreviewPicture> pictures;
  for (const auto& name : files::listFilesWithExtension(paths::join(dataFolder, "previews"), "PNG")) {
    if (file.isOn(previewSection(file, dataFolder, name), preview_keys::NoShow)) continue;
    pictures.push_back({previewSlotValue(dataFolder, name), name, PreviewPictureEntry(dataFolder, name)});
  }
  return pictures;
}

}  // namespace tessera
