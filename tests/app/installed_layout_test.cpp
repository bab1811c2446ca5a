#include "core/app/installed_layout.h"

#include <gtest/gtest.h>

#include "core/platform/files.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

using testing::TempDir;

// An installed prefix as `cmake --install` lays it out, with only the files the lookup checks.
void layOutPrefix(const TempDir& prefix, bool engine, bool dataFolder) {
  prefix.write("bin/tessera", "");
  if (engine) prefix.write("lib/tessera/engine/divu.so", "");
  if (dataFolder) prefix.write("share/tessera/skins/Tessera7/subsections.ini", "");
}

TEST(InstalledLayoutTest, FindsEngineAndSkinsBesideTheProgramFolder) {
  TempDir prefix;
  layOutPrefix(prefix, true, true);
  const auto sources = InstalledSources(prefix.file("bin"));
  ASSERT_TRUE(sources.has_value());
  EXPECT_TRUE(files::isFile(sources->engineBuild + "/divu.so"));
  EXPECT_TRUE(files::isFile(sources->generatedSkins + "/Tessera7/subsections.ini"));
}

TEST(InstalledLayoutTest, AnIncompleteInstallationIsNotTakenForOne) {
  for (const auto& [engine, dataFolder] : {std::pair{false, true}, std::pair{true, false}, std::pair{false, false}}) {
    TempDir prefix;
    layOutPrefix(prefix, engine, dataFolder);
    EXPECT_FALSE(InstalledSources(prefix.file("bin")).has_value()) << engine << dataFolder;
  }
  EXPECT_FALSE(InstalledSources("").has_value());
}

TEST(InstalledLayoutTest, AProgramInItsBuildFolderKeepsTheBuildTreeSources) {
  // The test program itself runs from the build tree, where nothing is installed beside it.
  const DemoSources buildTree{"/build/engine", "/build/skins"};
  const DemoSources chosen = PreferredSources(buildTree);
  EXPECT_EQ(chosen.engineBuild, buildTree.engineBuild);
  EXPECT_EQ(chosen.generatedSkins, buildTree.generatedSkins);
}

}  // namespace
}  // namespace tessera
