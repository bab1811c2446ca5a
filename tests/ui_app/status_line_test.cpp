// The main window's status line says what the last save, apply or test did, whichever window
// started it.
#include <gtest/gtest.h>

#include <QLayout>
#include <QStatusBar>

#include "core/app/test_skin.h"
#include "core/platform/activity_report.h"
#include "core/platform/prompt.h"
#include "core/platform/registry.h"
#include "core/platform/settings.h"
#include "core/platform/shell.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"
#include "ui/app/main_window.h"

namespace tessera::ui {
namespace {

class YesPrompt final : public Prompt {
 public:
  PromptAnswer askYesNo(std::string_view, std::string_view) override { return PromptAnswer::Yes; }
  void inform(std::string_view, std::string_view) override {}
};

class StatusLineTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    WriteSetting(settings::FirstRun, "0");
    previousPrompt_ = InstallPrompt(&prompt_);
    previousShell_ = InstallShell(&shell);
    registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path",
                         temp.file("engine"));
    path = writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool\r\n[Button]\r\nImage=old\r\n");
  }
  void TearDown() override {
    InstallPrompt(previousPrompt_);
    InstallShell(previousShell_);
    EnvironmentTest::TearDown();
  }
  // The line without the time in front of it.
  static std::string said(const MainWindow& window) {
    const QString text = window.statusLine()->currentMessage();
    return text.mid(text.indexOf(QStringLiteral("  ")) + 2).toStdString();
  }

  RecordingShell shell;
  std::string path;

 private:
  YesPrompt prompt_;
  Prompt* previousPrompt_ = nullptr;
  Shell* previousShell_ = nullptr;
};

TEST_F(StatusLineTest, SaveApplyAndTestEachSayWhatTheyDid) {
  MainWindow window(path);
  window.finishStartup();
  ASSERT_TRUE(Session().isOpen());
  EXPECT_TRUE(window.statusLine()->currentMessage().isEmpty());
  // One line at the foot of the window; the panes keep the height.
  window.show();
  window.layout()->activate();
  EXPECT_EQ(window.statusLine()->geometry().bottom(), window.height() - 1);
  EXPECT_LT(window.statusLine()->height(), window.height() / 10);

  window.saveSkin();
  EXPECT_EQ(said(window), "Skin Cool has no unsaved changes.");
  WriteSkinString("Button", "Image", "new", Session().mainFile);
  window.saveSkin();
  EXPECT_EQ(said(window), "Saved skin Cool.");
  EXPECT_TRUE(window.statusLine()->currentMessage().contains(QLatin1Char(':'))) << "the time comes first";

  window.applySkin();
  EXPECT_EQ(said(window), "Applied skin Cool.");

  // The section editor tests the skin through the same core call.
  ASSERT_TRUE(TestSkin());
  EXPECT_EQ(said(window), "Testing skin Cool in the tester.");

  shell.succeeds = false;
  EXPECT_FALSE(TestSkin());
  EXPECT_EQ(said(window).rfind("Skin Cool could not be tested: the tester ", 0), 0u) << said(window);
  window.applySkin();
  EXPECT_NE(said(window).find("could not be started"), std::string::npos) << said(window);
}

TEST_F(StatusLineTest, AClosedWindowStopsListening) {
  std::string heard;
  ListenToActivity([&](const std::string& line) { heard = line; });
  {
    MainWindow window(path);
    ReportActivity("while the window lives");
    EXPECT_TRUE(heard.empty());
  }
  // The window gave the line back to whoever listened before it.
  ReportActivity("after it closed");
  EXPECT_EQ(heard, "after it closed");
  ListenToActivity({});
}

}  // namespace
}  // namespace tessera::ui
