#include "core/sheet/section_import.h"

#include <optional>

#include "core/platform/profile.h"
#include "core/skin/catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

std::string ImportSource::rowText() const {
  return section + (inCompanion ? "\t\t" : "") + " (" + description + ")";
}

std::vector<ImportSource> ImportSources(std::string_view dataFolder) {
  profile::ReadBatch batch;
  const CatalogueFile catalogue(dataFolder, catalogue_files::kSubsections);
  const SkinSession& s = Session();
  std::vector<ImportSource> sources;
  if (!s.isOpen()) return sources;
  for (const auto& name : profile::SectionNames(s.mainFile)) {
    std::string description = catalogue.readText(name, subsection_keys::DescriptionOrEmpty);
    if (!description.empty()) sources.push_back({name, std::move(description), false});
  }
  // Taskbar companion (AlternativeFile 1), then shell companion (2).
  for (std::size_t companion : {0u, 1u}) {
    const std::string& file = s.companionFiles[companion];
    if (file.empty()) continue;
    for (const auto& name : profile::SectionNames(file))
      sources.push_back({name, catalogue.readText(name, subsection_keys::DescriptionOrEmpty), true});
  }
  return sources;
}

bool ImportSection(std::string_view source, std::string_view target, bool keepImages) {
  SkinSession& s = Session();
  if (!s.isOpen() || !SkinWritesEnabled()) return false;
  std::optional<std::string> kept[std::size(kImageKeys)];
  const std::string targetFile = SkinFileForSection(target);
  if (keepImages) {
    for (std::size_t i = 0; i < std::size(kImageKeys); ++i) kept[i] = profile::FindValue(target, kImageKeys[i], targetFile);
  }
  // The whole section is copied, however long: a cut-off copy would lose the source's last keys.
  const std::vector<std::string> entries = profile::ReadSection(source, SkinFileForSection(source));
  s.modified = 1;
  if (!profile::WriteSection(target, entries, targetFile)) return false;
  if (keepImages) {
    for (std::size_t i = 0; i < std::size(kImageKeys); ++i) {
      const auto& value = kept[i];
      WriteSkinString(target, kImageKeys[i], value ? std::optional<std::string_view>(*value) : std::nullopt, s.mainFile);
    }
  }
  return true;
}

}  // namespace tessera
