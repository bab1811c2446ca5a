#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/temp_dir.h"

namespace tessera {
namespace {

// Every change to a skin passes the core's doors (the atomic write, copy, move and delete of
// files, and the profile engine on top of them), where the undo journal listens. A write that
// goes around them would be a change no undo can take back, so none may appear elsewhere.
TEST(WriteDoors, NoCodeWritesFilesAroundTheDoors) {
  const std::regex rawWrite(
      R"(std::ofstream|\bfopen\s*\(|QFile::WriteOnly|QSaveFile|O_WRONLY|O_CREAT|std::filesystem::(copy|copy_file|rename|remove|remove_all)\b|(^|[^\w>])::(rename|unlink)\s*\(|\bQFile::(remove|rename|copy)\b)");
  // The doors themselves, and writes that never touch an open skin: the screenshot the editor
  // saves where the command line says, a new skin's folder that a copy fills, and the programs
  // the demo environment copies with their permissions.
  const std::vector<std::string> allowed = {"src/core/platform/files.cpp", "src/core/platform/atomic_write.cpp",
                                            "src/ui/app/main.cpp",
                                            "src/core/skin/skin_copy.cpp", "src/core/app/demo_environment.cpp"};
  std::vector<std::string> offenders;
  const std::filesystem::path root = testing::SourceFolder();
  for (const char* tree : {"src/core", "src/ui"}) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / tree)) {
      if (!entry.is_regular_file()) continue;
      const std::string relative = std::filesystem::relative(entry.path(), root).generic_string();
      if (std::find(allowed.begin(), allowed.end(), relative) != allowed.end()) continue;
      std::ifstream in(entry.path());
      std::stringstream text;
      text << in.rdbuf();
      if (std::regex_search(text.str(), rawWrite)) offenders.push_back(relative);
    }
  }
  EXPECT_TRUE(offenders.empty()) << "writes around the doors in: " << ::testing::PrintToString(offenders);
}

}  // namespace
}  // namespace tessera
