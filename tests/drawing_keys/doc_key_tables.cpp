#include "drawing_keys/doc_key_tables.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace tessera::testing {

namespace {

// The suffixes `<S>` stands for (chapter 3.4).
const char* const kTextStates[] = {"Normal",  "Pressed",   "MouseOver",
                                   "Disabled", "Default", "Activated", "ActivatedAndHighlighted"};

std::string trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

std::vector<std::string> cells(const std::string& line) {
  std::vector<std::string> out;
  std::string cell;
  std::istringstream in(line.substr(line.find('|') + 1));
  while (std::getline(in, cell, '|')) out.push_back(trim(cell));
  if (!out.empty() && out.back().empty()) out.pop_back();
  return out;
}

int columnOf(const std::vector<std::string>& header, const std::string& title) {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (header[i] == title) return static_cast<int>(i);
  }
  return -1;
}

KeyScope scopeOf(const std::string& chapter) {
  if (chapter.rfind("3.1 ", 0) == 0 || chapter.rfind("3.2 ", 0) == 0 || chapter.rfind("3.3 ", 0) == 0 ||
      chapter.rfind("3.4 ", 0) == 0) {
    return KeyScope::PictureSections;
  }
  if (chapter.rfind("3.7 ", 0) == 0) return KeyScope::LayerSections;
  if (chapter.rfind("4.4 ", 0) == 0) return KeyScope::FrameButtons;
  if (chapter.rfind("5. ", 0) == 0) return KeyScope::TitleBarButtons;
  if (chapter.rfind("10. ", 0) == 0) return KeyScope::FontPresets;
  return KeyScope::Other;
}

}  // namespace

std::vector<std::string> CellNames(const std::string& cell) {
  std::vector<std::string> names;
  static const std::regex ticked("`([^`]+)`");
  for (auto it = std::sregex_iterator(cell.begin(), cell.end(), ticked); it != std::sregex_iterator(); ++it) {
    const std::string name = (*it)[1];
    const auto template_ = name.find("<S>");
    if (template_ == std::string::npos) {
      names.push_back(name);
      continue;
    }
    for (const char* state : kTextStates) names.push_back(name.substr(0, template_) + state);
  }
  return names;
}

DocTables ReadDocTables(const std::string& path) {
  DocTables tables;
  std::ifstream in(path);
  std::string line;
  std::string chapter;
  int group = 0;
  std::vector<std::string> header;
  bool inTable = false;
  // "(section `Caption`)" in a heading or in the line leading into a table names the section of
  // the tables below it that have no section column.
  static const std::regex namedSection(R"(\(section `([^`]+)`\))");
  std::string leadSection;
  while (std::getline(in, line)) {
    line = trim(line);
    std::smatch lead;
    if (line.rfind("## ", 0) == 0 || line.rfind("### ", 0) == 0) {
      chapter = trim(line.substr(line.find(' ') + 1));
      leadSection = std::regex_search(chapter, lead, namedSection) ? std::string(lead[1]) : std::string();
      static const std::regex groupHeading(R"(^Group (\d+):)");
      std::smatch m;
      group = std::regex_search(chapter, m, groupHeading) ? std::stoi(m[1]) : 0;
      inTable = false;
      continue;
    }
    if (line.empty() || line[0] != '|') {
      if (std::regex_search(line, lead, namedSection)) leadSection = lead[1];
      inTable = false;
      continue;
    }
    if (!inTable) {
      header = cells(line);
      inTable = true;
      continue;
    }
    if (line.find("---") != std::string::npos && line.find_first_not_of("|-: ") == std::string::npos) continue;
    const std::vector<std::string> row = cells(line);
    const int keyColumn = columnOf(header, "Key");
    const int sectionColumn = columnOf(header, "Section");
    const int inSectionColumn = columnOf(header, "In section");
    const int valueColumn = columnOf(header, "Value");
    auto at = [&](int column) { return column >= 0 && column < static_cast<int>(row.size()) ? row[column] : ""; };
    if (keyColumn < 0 && sectionColumn >= 0 && group > 0) {
      IndexedSection section;
      const auto names = CellNames(at(sectionColumn));
      if (names.empty()) continue;
      section.name = names.front();
      section.group = group;
      section.kind = at(columnOf(header, "Kind"));
      section.frames = std::atoi(at(columnOf(header, "Frames")).c_str());
      tables.sections.push_back(section);
      continue;
    }
    if (keyColumn < 0) continue;
    DocKey key;
    key.value = at(valueColumn);
    key.chapter = chapter;
    key.scope = scopeOf(chapter);
    const int named = inSectionColumn >= 0 ? inSectionColumn : sectionColumn;
    if (named >= 0) {
      const std::string where = at(named);
      if (where == "layer sections") {
        key.scope = KeyScope::LayerSections;
      } else {
        key.scope = KeyScope::Named;
        key.sections = CellNames(where);
      }
    } else if (!leadSection.empty() && key.scope == KeyScope::Other) {
      key.scope = KeyScope::Frame;
      key.sections = {leadSection};
    }
    for (const std::string& name : CellNames(at(keyColumn))) {
      key.name = name;
      tables.keys.push_back(key);
    }
  }
  return tables;
}

}  // namespace tessera::testing
