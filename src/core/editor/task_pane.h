#pragma once
// The task pane of the section editor: the entries of one catalogue group (subsections3.ini),
// with their display texts, sub-item and system marks, and the fixed "Next" and "Previous"
// entries that follow them.
#include <array>
#include <string>
#include <vector>

namespace tessera {

inline constexpr int kTaskPaneEntries = 30;
inline constexpr int kNextEntryIndex = 999;
inline constexpr int kPreviousEntryIndex = 998;
inline constexpr const char* kNextEntryText = "Next ==>";
inline constexpr const char* kPreviousEntryText = "<== Previous";

struct TaskPaneEntry {
  std::string section;
  std::string text;
  int type = 1;        // the number after "=" in the group list
  int subItem = 0;     // 0, 1 or 2
  int osMark = 0;      // 0 all, 1 not on XP, 2 not on Vista, 3 only on 7
  bool visible = false;
  bool selected = false;
  int index = 0;
  bool empty = true;
};

struct TaskPane {
  std::array<TaskPaneEntry, kTaskPaneEntries> entries;
  TaskPaneEntry next;
  TaskPaneEntry previous;
  int topOffset = 0;  // 20 pixels when the group has no entries
};

// "name=type" of a group list; a missing type counts as 1.
struct GroupLine {
  std::string name;
  int type = 1;
};
std::vector<GroupLine> ParseGroupLines(const std::vector<std::string>& lines);

// The entries of `group` with `currentSection` selected, filtered for `targetOS`.
TaskPane BuildTaskPane(int group, const std::string& currentSection, int targetOS);

// The preview states of a group (previewStates.ini): each line's text before its last "=".
std::vector<std::string> PreviewStateNames(int group);

}  // namespace tessera
