#pragma once
// The section tree of the section editor: every group of subsections3.ini under its description
// from subsections4.ini (a backslash splits it into a parent node and a child node), and the
// search over the whole section catalogue.
#include <string>
#include <vector>

namespace tessera {

inline constexpr int kLastTreeGroup = 98;
inline constexpr int kMaxTreeEntries = 999;

struct TreeGroupNode {
  std::string parentText;  // empty when the description has no backslash
  std::string text;
  int group = 0;
};

struct TreeEntryNode {
  int groupNode = 0;      // index into SectionTree::groups
  bool heading = false;   // type 10: a heading, its text is the name
  std::string text;
  std::string section;    // the catalogue entry (empty for headings)
  int groupSection = 0;   // the group's "Section" of subsections4.ini
};

struct SectionTree {
  std::vector<TreeGroupNode> groups;
  std::vector<TreeEntryNode> entries;
};

// Groups 35 and 36 need a skin with a ButtonCount other than 0.
SectionTree BuildSectionTree(int targetOS, int buttonCount);

struct SearchHit {
  std::string section;
  std::string text;
};

// Every catalogue section whose name, "Description" or group name contains `text` (ignoring
// case), except font and colour sections and sections with a "Description2".
std::vector<SearchHit> SearchSections(const std::string& text);

}  // namespace tessera
