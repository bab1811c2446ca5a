#include <gtest/gtest.h>
#include <stdlib.h>

#include <QStandardPaths>

#include "core/engine/engine_startup.h"
#include "core/platform/environment.h"
#include "core/platform/registry.h"
#include "core/platform/settings.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

using EnvTest = testing::EnvironmentTest;

TEST_F(EnvTest, SkinsFolderComesFromTheEngineSettings) {
  EXPECT_EQ(GetSkinsFolder(), skinsFolder());
  EXPECT_EQ(DataFolder(), skinsFolder() + "/Tessera7");
}

TEST_F(EnvTest, WithoutTheSettingTheDocumentsFolderIsUsed) {
  WriteSetting(settings::InstalledPath, "-");
  ResetSkinsFolderCache();
  const std::string documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  EXPECT_EQ(GetSkinsFolder(), documents + "/Quillmont/Velarium");
  EXPECT_EQ(DataFolder(), documents + "/Quillmont/Velarium/Tessera7");
}

TEST_F(EnvTest, KeptFormIgnoresLaterChangesFreshFormFollowsThem) {
  const std::string first = GetSkinsFolder();
  WriteSetting(settings::InstalledPath, temp.file("other"));
  EXPECT_EQ(GetSkinsFolder(), first);
  EXPECT_EQ(GetSkinsFolderFresh(), temp.file("other"));
}

TEST_F(EnvTest, EngineFolderComesFromTheMachineHive) {
  EXPECT_EQ(EngineInstallFolder(), "");
  EXPECT_EQ(SkinDatabasePath(), "/divu.so");
  registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path", "/opt/vl");
  EXPECT_EQ(EngineInstallFolder(), "/opt/vl");
  EXPECT_EQ(SkinDatabasePath(), "/opt/vl/divu.so");
}

TEST_F(EnvTest, MissingLibrariesGiveTheStartupMessagesInOrder) {
  Engine() = EngineModules{};
  EXPECT_EQ(LoadEngineModules(), EngineStartup::MissingSkinDatabase);
  EXPECT_STREQ(MessageFor(EngineStartup::MissingSkinDatabase).caption, "Please install Quillmont Velarium");
  const std::string standins = testing::StandinFolder();
  registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path", standins);
  EXPECT_EQ(LoadEngineModules(), EngineStartup::MissingPreviewLibrary);
  EXPECT_STREQ(MessageFor(EngineStartup::MissingPreviewLibrary).caption, "Please reinstall");
  Engine() = EngineModules{};
}

TEST(CommandLine, PathIsTheFirstNonSwitchArgumentUpperCased) {
  const char* argv[] = {"tessera", "-style", "/home/u/skins/cool/cool.uis", "second"};
  EXPECT_EQ(CommandLinePath(4, argv), "/HOME/U/SKINS/COOL/COOL.UIS");
  const char* none[] = {"tessera", "--flag"};
  EXPECT_EQ(CommandLinePath(2, none), "");
}

TEST(CommandLine, FileInsideAFolderOpensThatFoldersMainFile) {
  EXPECT_EQ(SkinPathForCommandLine("/SKINS/COOL/TITLE.TGA"), "/SKINS/COOL/COOL.UIS");
  EXPECT_EQ(SkinPathForCommandLine("C:\\SKINS\\COOL\\ANY.UIS"), "C:\\SKINS\\COOL\\COOL.UIS");
  EXPECT_EQ(SkinPathForCommandLine("COOL.UIS"), "COOL.UIS");
  EXPECT_EQ(SkinPathForCommandLine("\\COOL.UIS"), "\\COOL.UIS");
}

}  // namespace
}  // namespace tessera
