#pragma once
// The catalogue files the section editor reads besides subsections.ini: state lists, task-list
// groups, preview states, the linear order, the extra settings and the preview pictures.
#include <string>
#include <string_view>
#include <vector>

#include "core/skin/catalogue.h"
#include "core/skin/os_filter.h"

namespace tessera {

// Text before the last "=" of a line (the whole line when it has none): the form in which state
// lists and preview-state lists name their entries.
std::string TextBeforeLastEquals(std::string_view line);

// statelist.ini: the names of the frames of state list `number`, in order.
std::vector<std::string> StateNames(std::string_view dataFolder, int number);

// subsections3.ini: the entries of a task-list group.
struct GroupEntry {
  std::string name;
  int type = 1;  // value after "=", default 1
};
std::vector<GroupEntry> GroupEntries(std::string_view dataFolder, int group);

// subsections4.ini: a task-list group's description and filters.
struct GroupInfo {
  std::string description;  // default: the group number
  std::string name;
  int section = 0;
  OsFlags os;
};
GroupInfo ReadGroupInfo(std::string_view dataFolder, int group);
// A description "Parent\Child" splits at its first backslash; otherwise the parent is empty.
struct GroupPath {
  std::string parent;
  std::string child;
};
GroupPath SplitGroupDescription(std::string_view description);

// previewStates.ini: the preview states offered for a group.
std::vector<std::string> PreviewStates(std::string_view dataFolder, int group);

// preview2.ini: which preview states show the hover and pressed looks of a group.
struct HoverStates {
  int mouse = 2;
  int pressed = 3;
};
HoverStates ReadHoverStates(std::string_view dataFolder, int group);

// linear.ini: the section at a position of the "Next" / "Previous" order.
struct LinearPosition {
  std::string section;
  bool noXP = false;
  bool noVista = false;
};
LinearPosition ReadLinearPosition(std::string_view dataFolder, int position);

// extras.ini and extraDetails.ini.
// A layer section (a colon after the first character) always has extra settings.
bool IsLayerSection(std::string_view section);
bool HasExtraSettings(std::string_view dataFolder, std::string_view section);
// Entry lines of the "Extra settings" page: the lines of extras.ini, plus the six layer entries
// for a layer section. The entry name is the line without its last two characters.
std::vector<std::string> ExtraSettingLines(std::string_view dataFolder, std::string_view section);
std::string ExtraEntryName(std::string_view line);

struct ExtraDefinition {
  std::string description;
  std::string section;  // target section (the current section when the catalogue names none)
  std::string name;     // target key
  int defaultValue = 0;
  std::string text;
  int type = 0;
  std::string value0, value1, value2;
  int rangeMin = 0;
  int rangeMax = 255;
};
ExtraDefinition ReadExtraDefinition(std::string_view dataFolder, std::string_view entry,
                                    std::string_view currentSection);

// The preview pictures of the data folder's "previews" folder (PNG files) not marked NoShow in
// previews.ini, each as its path relative to the skins folder in lower case and the catalogue
// entry it opens. previews.ini names a picture's section by its file name ("buttons.png") or by
// that relative path.
struct PreviewPicture {
  std::string slotValue;
  std::string fileName;     // in the previews folder
  std::string sectionName;  // PreviewPictureEntry of the picture; empty: it opens nothing
};
std::vector<PreviewPicture> PreviewPictures(std::string_view dataFolder);

// What a double click on preview picture `fileName` opens in the section editor: its
// SectionName when that is an entry of the section catalogue, else "" (nothing opens; a picture
// is not a section).
std::string PreviewPictureEntry(std::string_view dataFolder, std::string_view fileName);

}  // namespace tessera
