#include <gtest/gtest.h>

#include <algorithm>

#include "core/platform/files.h"
#include "core/platform/prompt.h"
#include "core/platform/shell.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_package.h"
#include "core/skin/skin_session.h"
#include "support/archive_reader.h"
#include "support/progress_watch.h"
#include "support/temp_dir.h"
#include "ui/app/package_progress.h"

namespace tessera::ui {
namespace {

class SaveQuestionPrompt final : public Prompt {
 public:
  PromptAnswer answer = PromptAnswer::Cancel;
  int questions = 0;
  std::vector<std::string> messages;
  PromptAnswer askYesNo(std::string_view, std::string_view) override { return PromptAnswer::No; }
  PromptAnswer askYesNoCancel(std::string_view, std::string_view) override {
    ++questions;
    return answer;
  }
  void inform(std::string_view text, std::string_view) override { messages.emplace_back(text); }
};

class PackageProgressTest : public tessera::testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    previousPrompt_ = InstallPrompt(&prompt);
    previousShell_ = InstallShell(&shell);
    OpenSkinFiles(writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool\r\n[Button]\r\nImage=old\r\n"), "");
    WriteSkinString("Button", "Image", "edited", Session().mainFile);
  }
  void TearDown() override {
    InstallPrompt(previousPrompt_);
    InstallShell(previousShell_);
    EnvironmentTest::TearDown();
  }
  std::string package() const { return PackagePath(skinsFolder(), "Cool"); }
  SaveQuestionPrompt prompt;
  RecordingShell shell;

 private:
  Prompt* previousPrompt_ = nullptr;
  Shell* previousShell_ = nullptr;
};

TEST_F(PackageProgressTest, UnsavedEditsAreAskedAboutAndCancelPacksNothing) {
  MakePackageWithProgress(nullptr);
  EXPECT_EQ(prompt.questions, 1);
  EXPECT_FALSE(files::isFile(package()));
  EXPECT_TRUE(prompt.messages.empty());
  EXPECT_EQ(Session().modified, 1);
}

TEST_F(PackageProgressTest, ThePackageHoldsTheSavedEditsAndNoWorkingCopies) {
  prompt.answer = PromptAnswer::Yes;
  MakePackageWithProgress(nullptr);
  const auto entries = tessera::testing::readArchive(package());
  ASSERT_FALSE(entries.empty());
  const auto main = std::find_if(entries.begin(), entries.end(), [](const auto& e) { return e.name == "Cool.uis"; });
  ASSERT_NE(main, entries.end());
  EXPECT_NE(main->data.find("Image=edited"), std::string::npos);
  for (const auto& entry : entries) EXPECT_NE(entry.name.back(), '~') << entry.name;
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].rfind("The package ", 0), 0u);
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].target, PackageOutputFolder(skinsFolder()));
}

TEST_F(PackageProgressTest, CancelInTheProgressDialogLeavesNoPackage) {
  prompt.answer = PromptAnswer::Yes;
  QWidget window;
  {
    testing::ProgressWatch watch(1);
    MakePackageWithProgress(&window);
    ASSERT_EQ(watch.reports.size(), 1u);
    EXPECT_EQ(watch.reports[0].over, &window);
    EXPECT_EQ(watch.reports[0].caption, "Make VLA package");
  }
  EXPECT_FALSE(files::exists(package()));
  EXPECT_TRUE(files::listFiles(PackageOutputFolder(skinsFolder())).empty()) << "no temporary file is left";
  EXPECT_TRUE(prompt.messages.empty());
  EXPECT_TRUE(shell.calls.empty());

  testing::ProgressWatch watch;
  MakePackageWithProgress(&window);
  EXPECT_TRUE(watch.reachedEnd());
  EXPECT_TRUE(files::isFile(package()));
}

}  // namespace
}  // namespace tessera::ui
