#include "core/editor/section_tree.h"

#include "core/editor/task_pane.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/section_catalogue.h"

namespace tessera {

namespace {

OsFlags GroupFlags(const CatalogueFile& groups, const std::string& group) {
  return {groups.isOn(group, group_keys::SevenOnly), groups.isOn(group, group_keys::NotVista),
          groups.isOn(group, group_keys::NotXP), groups.isOn(group, group_keys::NotSeven)};
}

bool Contains(const std::string& haystack, const std::string& upperNeedle) {
  return paths::upper(haystack).find(upperNeedle) != std::string::npos;
}

}  // namespace

SectionTree BuildSectionTree(int targetOS, int buttonCount) {
  const CatalogueFile lists(catalogue_files::kSubsections3);
  const CatalogueFile groups(catalogue_files::kSubsections4);
  const SectionCatalogue catalogue;
  SectionTree tree;
  for (int g = 0; g <= kLastTreeGroup; ++g) {
    if ((g == 35 || g == 36) && buttonCount == 0) continue;
    const std::string group = std::to_string(g);
    const std::vector<GroupLine> lines = ParseGroupLines(lists.readSection(group));
    if (lines.empty() || HiddenForTarget(GroupFlags(groups, group), targetOS)) continue;
    TreeGroupNode node;
    node.group = g;
    node.text = groups.readText(group, group_keys::Description);
    if (const std::size_t slash = node.text.find('\\'); slash != std::string::npos) {
      node.parentText = node.text.substr(0, slash);
      node.text = node.text.substr(slash + 1);
    }
    tree.groups.push_back(node);
    const int groupSection = groups.readInt(group, group_keys::Section);
    for (const GroupLine& line : lines) {
      if (tree.entries.size() >= kMaxTreeEntries) return tree;
      TreeEntryNode entry;
      entry.groupNode = static_cast<int>(tree.groups.size()) - 1;
      if (line.type == 10) {
        entry.heading = true;
        entry.text = line.name;
      } else {
        if (catalogue.hiddenFor(line.name, targetOS, false)) continue;
        entry.text = catalogue.description(line.name);
        entry.section = line.name;
        entry.groupSection = groupSection;
      }
      tree.entries.push_back(std::move(entry));
    }
  }
  return tree;
}

std::vector<SearchHit> SearchSections(const std::string& text) {
  std::vector<SearchHit> hits;
  if (text.empty()) return hits;
  const SectionCatalogue catalogue;
  const CatalogueFile groups(catalogue_files::kSubsections4);
  const std::string needle = paths::upper(text);
  for (const std::string& section : profile::SectionNames(catalogue.file().path())) {
    const std::string description = catalogue.readText(section, subsection_keys::Description);
    const int group = catalogue.readInt(section, subsection_keys::SectionAtSearch);
    const std::string groupName = groups.readText(std::to_string(group), group_keys::Name);
    if (!Contains(section, needle) && !Contains(description, needle) && !Contains(groupName, needle)) continue;
    const std::string lower = paths::lower(section);
    if (lower.find(".vfonts") != std::string::npos || lower.find(".vcolour") != std::string::npos) continue;
    if (!catalogue.readText(section, subsection_keys::Description2).empty()) continue;
    hits.push_back({section, description});
  }
  return hits;
}

}  // namespace tessera
