#include "core/skin/skin_package.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <algorithm>
#include <map>
#include <set>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/shell.h"
#include <zip.h>

#include "support/archive_reader.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

using testing::ArchiveEntry;
using testing::readArchive;

class SkinPackageTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    writeSkin("Pack", "[TitlebarSkin]\r\nSkinName=Pack\r\n");
    temp.write("skins/Pack/Pack.uis~", "working copy");
    temp.write("skins/Pack/button.tga", std::string(5000, 'b'));
    temp.write("skins/Pack/Pack.VL4", "cached");
    temp.write("skins/Pack/Pack.preview7_150", "cached");
    temp.write("skins/Pack/fonts/face.ttf", "font");
    temp.write("skins/Pack/fonts/BUTTON.TGA", "a second file of a name already packed");
  }
};

TEST_F(SkinPackageTest, ArchiveHoldsEveryFileWithoutFolderNames) {
  std::vector<std::int64_t> steps;
  const PackageResult r = MakeSkinPackage(skinsFolder(), "Pack", {}, [&](std::int64_t done, std::int64_t) {
    steps.push_back(done);
    return true;
  });
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.packagePath, temp.file("skins/Tessera7/VLA/Pack.vla"));
  const auto entries = readArchive(r.packagePath);
  std::set<std::string> names;
  for (const auto& e : entries) {
    names.insert(e.name);
    EXPECT_EQ(e.name.find('/'), std::string::npos) << e.name;
    EXPECT_EQ(e.method, ZIP_CM_DEFLATE) << e.name;
    EXPECT_EQ(e.extraFields, 0) << e.name;
  }
  EXPECT_EQ(names, (std::set<std::string>{"Pack.uis", "button.tga", "face.ttf"}));
  for (const auto& e : entries) {
    if (e.name == "button.tga") {
      EXPECT_EQ(e.data, std::string(5000, 'b'));
    }
  }
  EXPECT_FALSE(files::exists(temp.file("skins/Pack/Pack.VL4"))) << "cached renderings are removed first";
  EXPECT_FALSE(files::exists(temp.file("skins/Pack/Pack.preview7_150")));
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.back(), kPackageProgressSteps);
  EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()));
}

std::vector<std::string> entryNames(const std::string& package) {
  std::vector<std::string> names;
  for (const auto& e : readArchive(package)) names.push_back(e.name);
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(SkinPackageTest, WhatOnlyTheEditorUsesStaysOut) {
  temp.write("skins/Pack/Pack.xp~", "working companion");
  temp.write("skins/Pack/reimport.lst", "[Pack\\button.tga]\r\n");
  temp.write("skins/Pack/Pack.uis~.CutLink", "[x]\r\n");
  temp.write("skins/Pack/sheet.bmp.CutLinks", "[y]\r\n");
  temp.write("skins/Pack/sheet.bmp", "source");
  temp.write("skins/Pack/TempPngs/button.tga.PNG", "converted");
  temp.write("skins/Pack/tempPNGS/other.PNG", "converted");
  temp.write("skins/Pack/backup/old.tga", "cleaned away");
  temp.write("skins/Pack/fonts/backup/kept.tga", "a skin's own folder named backup, deeper down");
  const PackageResult r = MakeSkinPackage(skinsFolder(), "Pack");
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(entryNames(r.packagePath),
            (std::vector<std::string>{"Pack.uis", "button.tga", "face.ttf", "kept.tga", "sheet.bmp"}));
  EXPECT_EQ(r.fileCount, 5);
}

TEST_F(SkinPackageTest, TopLevelFilesWinAndTheShallowerSubFolderFileIsKept) {
  // "fonts/BUTTON.TGA" of the fixture must not land over the top-level "button.tga".
  temp.write("skins/Pack/a/deep/logo.png", "deep");
  temp.write("skins/Pack/b/LOGO.png", "shallow");
  temp.write("skins/Pack/c/logo.PNG", "later");
  const PackageResult r = MakeSkinPackage(skinsFolder(), "Pack");
  ASSERT_TRUE(r.ok) << r.message;
  std::map<std::string, std::string> data;
  for (const auto& e : readArchive(r.packagePath)) data[paths::upper(e.name)] = e.data;
  EXPECT_EQ(data["BUTTON.TGA"], std::string(5000, 'b'));
  EXPECT_EQ(data["LOGO.PNG"], "shallow");
  EXPECT_EQ(data.size(), 4u);  // Pack.uis, button.tga, face.ttf, LOGO.png
}

TEST_F(SkinPackageTest, ASecondPackReplacesTheFirst) {
  ASSERT_TRUE(MakeSkinPackage(skinsFolder(), "Pack").ok);
  files::deleteFile(temp.file("skins/Pack/button.tga"));
  temp.write("skins/Pack/new.bmp", "bmp");
  const PackageResult r = MakeSkinPackage(skinsFolder(), "Pack");
  ASSERT_TRUE(r.ok);
  std::set<std::string> names;
  for (const auto& e : readArchive(r.packagePath)) names.insert(e.name);
  EXPECT_EQ(names.count("button.tga"), 0u);
  EXPECT_EQ(names.count("new.bmp"), 1u);
}

TEST_F(SkinPackageTest, ArchivePassesUnzipTest) {
  const PackageResult r = MakeSkinPackage(skinsFolder(), "Pack", temp.file("out.vla"));
  ASSERT_TRUE(r.ok);
  if (std::system("command -v unzip >/dev/null 2>&1") != 0) GTEST_SKIP() << "unzip is not installed";
  EXPECT_EQ(std::system(("unzip -tq '" + r.packagePath + "' >/dev/null").c_str()), 0);
}

TEST_F(SkinPackageTest, RefusesBadNamesAndOpensTheOutputFolder) {
  EXPECT_FALSE(MakeSkinPackage(skinsFolder(), "../Pack").ok);
  EXPECT_FALSE(MakeSkinPackage(skinsFolder(), "Missing").ok);
  RecordingShell shell;
  InstallShell(&shell);
  EXPECT_TRUE(MakePackageAndShowFolder(skinsFolder(), "Pack").ok);
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].verb, "open");
  EXPECT_EQ(shell.calls[0].target, temp.file("skins/Tessera7/VLA"));
  InstallShell(nullptr);
}

TEST_F(SkinPackageTest, APackageInsideTheSkinFolderDoesNotPackItself) {
  const PackageResult r = MakeSkinPackage(skinsFolder(), "Pack", temp.file("skins/Pack/self.vla"));
  ASSERT_TRUE(r.ok);
  for (const auto& e : readArchive(r.packagePath)) EXPECT_NE(e.name, "self.vla");
}

}  // namespace
}  // namespace tessera
