// Without a desktop launcher, opening the skin folder or editing a picture says what failed and
// what to install, instead of doing nothing.
#include <gtest/gtest.h>

#include "core/image/edit_externally.h"
#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "core/platform/shell.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"
#include "ui/app/main_window.h"

namespace tessera::ui {
namespace {

class MessageRecorder final : public Prompt {
 public:
  PromptAnswer askYesNo(std::string_view, std::string_view) override { return PromptAnswer::No; }
  void inform(std::string_view text, std::string_view) override { messages.emplace_back(text); }
  std::vector<std::string> messages;
};

class LauncherFailureTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    WriteSetting(settings::FirstRun, "0");
    InstallPrompt(&prompt);
    InstallShell(&shell);
    temp.write("skins/Tessera7/sections.ini", "[Count]\r\nSectionCount=1\r\n[0]\r\nDescription=Buttons\r\n");
    path = writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool\r\n[Button]\r\nImage=Cool\\btn.bmp\r\n");
    temp.write("skins/Cool/btn.bmp", "BM");
  }
  void TearDown() override {
    InstallShell(nullptr);
    InstallPrompt(nullptr);
    EnvironmentTest::TearDown();
  }
  static bool mentions(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }
  MessageRecorder prompt;
  RecordingShell shell{false};
  std::string path;
};

TEST_F(LauncherFailureTest, OpenSkinFolderNamesTheFolderAndWhatToInstall) {
  MainWindow dlg(path);
  dlg.finishStartup();
  ASSERT_TRUE(Session().isOpen());
  dlg.openSkinFolder();
  ASSERT_EQ(shell.calls.size(), 1u);
  ASSERT_EQ(prompt.messages.size(), 1u);
  const std::string& message = prompt.messages[0];
  EXPECT_TRUE(mentions(message, "Cool")) << message;
  EXPECT_TRUE(mentions(message, "\"xdg-utils\"")) << message;
  EXPECT_TRUE(mentions(message, "file manager")) << message;

  // A launcher that works says nothing.
  shell.succeeds = true;
  dlg.openSkinFolder();
  EXPECT_EQ(prompt.messages.size(), 1u);
}

TEST_F(LauncherFailureTest, EditImageSaysWhichProgramDidNotStart) {
  OpenSkinFiles(path, "");
  WriteSetting(settings::EditVerb, "Edit");
  EXPECT_FALSE(EditImageExternally("Cool\\btn.bmp"));
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_TRUE(mentions(prompt.messages[0], "btn.bmp")) << prompt.messages[0];
  EXPECT_TRUE(mentions(prompt.messages[0], "\"xdg-utils\"")) << prompt.messages[0];
  EXPECT_TRUE(mentions(prompt.messages[0], "image editor")) << prompt.messages[0];

  WriteSetting(settings::EditVerb, "Custom");
  WriteSetting(settings::EditApp, "/opt/paint/paint");
  EXPECT_FALSE(EditImageExternally("Cool\\btn.bmp"));
  ASSERT_EQ(prompt.messages.size(), 2u);
  EXPECT_TRUE(mentions(prompt.messages[1], "\"/opt/paint/paint\"")) << prompt.messages[1];
  EXPECT_TRUE(mentions(prompt.messages[1], "Pick custom app...")) << prompt.messages[1];

  // A refused slot value is not a launcher failure: nothing is said about installing.
  EXPECT_FALSE(EditImageExternally("..\\..\\etc\\passwd"));
  EXPECT_EQ(prompt.messages.size(), 2u);
}

}  // namespace
}  // namespace tessera::ui
