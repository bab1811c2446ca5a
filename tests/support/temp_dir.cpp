#include "support/temp_dir.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>

#include <QDir>
#include <QTemporaryDir>

#include "core/app/demo_environment.h"
#include "core/engine/engine_startup.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "core/platform/shell.h"
#include "core/skin/skin_session.h"

namespace tessera::testing {

std::string StandinFolder() { return TESSERA_TEST_STANDIN_DIR; }
std::string SourceFolder() { return TESSERA_TEST_SOURCE_DIR; }

TempDir::TempDir() {
  QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessera-test-XXXXXX"));
  dir.setAutoRemove(false);
  path_ = dir.path().toStdString();
}

TempDir::~TempDir() { QDir(QString::fromStdString(path_)).removeRecursively(); }

std::string TempDir::file(std::string_view relative) const { return paths::join(path_, relative); }

std::string TempDir::write(std::string_view relative, std::string_view bytes) const {
  const std::string target = file(relative);
  files::createFolders(paths::parentFolder(target));
  EXPECT_TRUE(files::writeAllAtomic(target, bytes)) << target;
  return target;
}

std::string TempDir::read(std::string_view relative) const { return files::readAll(file(relative)).value_or(""); }

::testing::AssertionResult EnvironmentTest::layOutDemo(const std::string& generatedSkins) const {
  const DemoLayout layout = LayOutDemoEnvironment(temp.path(), {StandinFolder(), generatedSkins});
  if (!layout.ok) return ::testing::AssertionFailure() << layout.error;
  if (layout.skinsFolder != skinsFolder()) return ::testing::AssertionFailure() << "skins folder " << layout.skinsFolder;
  WriteSetting(settings::FirstRun, "0");
  ResetSkinsFolderCache();
  profile::ClearCache();
  if (LoadEngineModules() != EngineStartup::Ready) return ::testing::AssertionFailure() << "the engine stand-ins did not load";
  return ::testing::AssertionSuccess();
}

void EnvironmentTest::SetUp() {
  ::setenv("TESSERA_REGISTRY", temp.file("registry").c_str(), 1);
  files::createFolders(dataFolder());
  WriteSetting(settings::InstalledPath, skinsFolder());
  ResetSkinsFolderCache();
  profile::ClearCache();
  Session() = SkinSession{};
  EnableSkinWrites();
  InstallPrompt(nullptr);
  InstallShell(nullptr);
}

void EnvironmentTest::TearDown() {
  Session() = SkinSession{};
  DisableSkinWrites();
  ResetSkinsFolderCache();
  InstallPrompt(nullptr);
  InstallShell(nullptr);
  ::unsetenv("TESSERA_REGISTRY");
}

std::string EnvironmentTest::skinsFolder() const { return temp.file("skins"); }
std::string EnvironmentTest::dataFolder() const { return temp.file("skins/Tessera7"); }

std::vector<std::string> EnvironmentTest::skinsFolderEntries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(skinsFolder())) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string EnvironmentTest::writeSkin(std::string_view name, std::string_view uisText) const {
  std::string relative = "skins/" + std::string(name) + "/" + std::string(name) + ".uis";
  return temp.write(relative, uisText);
}

}  // namespace tessera::testing
