#include "core/editor/task_pane.h"

#include "core/platform/paths.h"
#include "core/platform/settings.h"
#include "core/skin/section_catalogue.h"

namespace tessera {

std::vector<GroupLine> ParseGroupLines(const std::vector<std::string>& lines) {
  std::vector<GroupLine> parsed;
  for (const std::string& line : lines) {
    const std::size_t equals = line.find('=');
    GroupLine entry;
    entry.name = line.substr(0, equals);
    if (entry.name.empty()) continue;
    if (equals != std::string::npos && equals + 1 < line.size()) {
      entry.type = ParseLeadingInt(std::string_view(line).substr(equals + 1));
    }
    parsed.push_back(std::move(entry));
  }
  return parsed;
}

namespace {

int OsMarkFor(const OsFlags& flags) {
  if (flags.sevenOnly) return 3;
  if (flags.notVista) return 2;
  if (flags.notXP) return 1;
  return 0;
}

}  // namespace

TaskPane BuildTaskPane(int group, const std::string& currentSection, int targetOS) {
  TaskPane pane;
  for (int i = 0; i < kTaskPaneEntries; ++i) pane.entries[i].index = i;
  const CatalogueFile groups(catalogue_files::kSubsections3);
  const std::vector<GroupLine> lines = ParseGroupLines(groups.readSection(std::to_string(group)));
  pane.topOffset = lines.empty() ? 20 : 0;
  const SectionCatalogue catalogue;
  std::size_t slot = 0;
  for (const GroupLine& line : lines) {
    if (slot >= pane.entries.size()) break;
    TaskPaneEntry& entry = pane.entries[slot++];
    entry.empty = false;
    entry.section = line.name;
    entry.type = line.type;
    entry.selected = paths::equalsIgnoreCase(line.name, currentSection);
    const bool plainName = line.type == 10 || line.type == 11;
    entry.text = plainName ? line.name : catalogue.readText(line.name, subsection_keys::Description);
    const int subItem = catalogue.readInt(line.name, subsection_keys::SubItem);
    entry.subItem = (line.type != 10 && (subItem == 1 || subItem == 2)) ? subItem : 0;
    const OsFlags flags = catalogue.osFlags(line.name);
    entry.osMark = OsMarkFor(flags);
    entry.visible = !HiddenForTarget(flags, targetOS);
  }
  pane.next = TaskPaneEntry{"", kNextEntryText, 1, 0, 0, true, false, kNextEntryIndex, false};
  pane.previous = TaskPaneEntry{"", kPreviousEntryText, 1, 0, 0, true, false, kPreviousEntryIndex, false};
  return pane;
}

std::vector<std::string> PreviewStateNames(int group) {
  const CatalogueFile states(catalogue_files::kPreviewStates);
  std::vector<std::string> names;
  for (const std::string& line : states.readSection(std::to_string(group))) {
    const std::size_t equals = line.rfind('=');
    names.push_back(equals == std::string::npos ? line : line.substr(0, equals));
  }
  return names;
}

}  // namespace tessera
