// "Test skin": the two keys of the per-application settings and the order of the three steps.
#include "core/app/test_skin.h"

#include <gtest/gtest.h>

#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/shell.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

class TestSkinTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    InstallShell(&shell);
  }
  std::string vlperapp(const char* key) const {
    return profile::ReadString("UITEST.EXE", key, "<none>", paths::join(skinsFolder(), "vlperapp.ini"));
  }
  // Skin Multi with its main file and two sub-styles.
  std::string writeMultiSkin(int number) const {
    const std::string main = writeSkin("Multi", "[TitlebarSkin]\r\nSkinName=Multi\r\n");
    temp.write("skins/Multi/Night.sss", "[TitlebarSkin]\r\nSkinName=Night\r\n");
    temp.write("skins/Multi/Dawn.sss", "[TitlebarSkin]\r\nSkinName=Dawn\r\n");
    temp.write("skins/Multi/Multi.SSD", "[SkinStyles]\r\nNumber=" + std::to_string(number) +
                                             "\r\n[SkinStyle0]\r\nSkin=Multi.uis\r\n[SkinStyle1]\r\nSkin=Night.sss\r\n"
                                             "[SkinStyle2]\r\nSkin=DAWN.SSS\r\n");
    return main;
  }
  RecordingShell shell;
};

TEST_F(TestSkinTest, NothingOpenWritesAndStartsNothing) {
  EXPECT_EQ(TesterSkinValue(), "");
  EXPECT_FALSE(TestSkin());
  EXPECT_EQ(vlperapp("Skin"), "<none>");
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TestSkinTest, SubStyleNumberFollowsTheEditedFile) {
  const std::string main = writeMultiSkin(3);
  OpenSkinFiles(main, "");
  EXPECT_EQ(TesterSkinValue(), "Multi\\0");
  OpenSkinFiles(main, "Night.sss");
  EXPECT_EQ(TesterSkinValue(), "Multi\\1");
  // The sub-style file is matched whatever the letter case of its "Skin" value.
  OpenSkinFiles(main, "Dawn.sss");
  ASSERT_TRUE(TestSkin());
  EXPECT_EQ(vlperapp("Skin"), "Multi\\2");
  EXPECT_EQ(TesterSkinValue("Multi", "Multi.uis"), "Multi\\0");
  // A single style is no sub-style.
  OpenSkinFiles(writeMultiSkin(1), "Night.sss");
  EXPECT_EQ(TesterSkinValue(), "Multi");
}

// A shell that looks at the settings file at the moment the tester is started.
class SnapshotShell final : public Shell {
 public:
  explicit SnapshotShell(std::string settingsFile) : settingsFile_(std::move(settingsFile)) {}
  bool open(std::string_view) override { return false; }
  bool edit(std::string_view, std::string_view) override { return false; }
  bool start(std::string_view program, const std::vector<std::string>&) override {
    started = std::string(program);
    skinAtStart = profile::ReadString("UITEST.EXE", "Skin", "", settingsFile_);
    return succeed;
  }
  std::string started;
  std::string skinAtStart;
  bool succeed = true;

 private:
  std::string settingsFile_;
};

TEST_F(TestSkinTest, TesterStartsAfterTheKeysAreWrittenAndItsFailureIsReported) {
  SnapshotShell snapshot(paths::join(skinsFolder(), "vlperapp.ini"));
  InstallShell(&snapshot);
  OpenSkinFiles(writeSkin("Cool", "[A]\r\n"), "");
  EXPECT_TRUE(TestSkin());
  EXPECT_EQ(snapshot.skinAtStart, "Cool");
  EXPECT_EQ(vlperapp("IgnoreApp"), "0");
  EXPECT_EQ(snapshot.started, paths::join(skinsFolder(), "Tessera7/UITest"));
  snapshot.succeed = false;
  EXPECT_FALSE(TestSkin());
}

}  // namespace
}  // namespace tessera
