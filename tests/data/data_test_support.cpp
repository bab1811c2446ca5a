#include "data_test_support.h"

#include <regex>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "support/temp_dir.h"

namespace tessera::testing {

std::string SourceDataFolder() { return paths::join(SourceFolder(), "data/Tessera7"); }
std::string GeneratedSkinsFolder() { return TESSERA_TEST_GENERATED_SKINS_DIR; }
std::string GeneratedDataFolder() { return paths::join(GeneratedSkinsFolder(), "Tessera7"); }
std::string CatalogueFile(std::string_view name) { return paths::join(SourceDataFolder(), name); }

std::vector<std::string> EntryNames(std::string_view section, const std::string& file) {
  std::vector<std::string> names;
  for (const std::string& line : profile::ReadSection(section, file)) names.push_back(line.substr(0, line.find('=')));
  return names;
}

std::set<std::string> LowerSectionNames(const std::string& file) {
  std::set<std::string> names;
  for (const std::string& name : profile::SectionNames(file)) names.insert(paths::lower(name));
  return names;
}

const std::set<std::string>& DocumentedNames() {
  static const std::set<std::string> names = [] {
    std::set<std::string> result;
    const std::string doc = files::readAll(paths::join(SourceFolder(), "docs/skin-format.md")).value_or("");
    const std::regex quoted("`([^`]+)`"), word("[A-Za-z0-9_.]+");
    for (auto it = std::sregex_iterator(doc.begin(), doc.end(), quoted); it != std::sregex_iterator(); ++it) {
      result.insert((*it)[1].str());
    }
    for (auto it = std::sregex_iterator(doc.begin(), doc.end(), word); it != std::sregex_iterator(); ++it) {
      std::string w = it->str();
      while (!w.empty() && w.back() == '.') w.pop_back();
      result.insert(w);
    }
    return result;
  }();
  return names;
}

std::vector<std::string> SkinFiles(const std::string& folder) {
  std::vector<std::string> result;
  for (const std::string& name : files::listFiles(folder)) {
    const std::string extension = paths::upper(paths::extension(name));
    if (extension == "UIS" || extension == "SSS" || extension == "XP" || extension == "XPS" ||
        extension == "TOOLBARICONS" || extension == "ANIM") {
      result.push_back(paths::join(folder, name));
    }
  }
  return result;
}

}  // namespace tessera::testing
