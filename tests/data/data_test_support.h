#pragma once
// Reading the data folder in the checks: the committed source folder and the generated one.
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::testing {

// data/Tessera7 of the source tree.
std::string SourceDataFolder();
// The generated skins folder (Tessera7 with every picture, and the demo skins).
std::string GeneratedSkinsFolder();
std::string GeneratedDataFolder();

std::string CatalogueFile(std::string_view name);  // a file of the source data folder

// Entry names of a whole catalogue section: each line's text before its first "=".
std::vector<std::string> EntryNames(std::string_view section, const std::string& file);
// The lower-cased section names of a file.
std::set<std::string> LowerSectionNames(const std::string& file);

// Every word and every back-quoted name of docs/skin-format.md.
const std::set<std::string>& DocumentedNames();

// The skin files of a skin folder: main file, sub-style files and companions (not the .SSD).
std::vector<std::string> SkinFiles(const std::string& folder);

}  // namespace tessera::testing
