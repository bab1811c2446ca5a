#include "core/app/skin_actions.h"

#include <gtest/gtest.h>

#include <QImage>

#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/platform/registry.h"
#include "core/platform/settings.h"
#include "core/platform/shell.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

class YesPrompt : public Prompt {
 public:
  int questions = 0;
  std::vector<std::string> messages;
  PromptAnswer askYesNo(std::string_view, std::string_view) override {
    ++questions;
    return PromptAnswer::Yes;
  }
  void inform(std::string_view text, std::string_view) override { messages.emplace_back(text); }
};

class SkinActionsTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    InstallPrompt(&prompt);
    InstallShell(&shell);
    registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path",
                         temp.file("engine"));
  }
  YesPrompt prompt;
  RecordingShell shell;
};

TEST_F(SkinActionsTest, OpenRecordsHistoryAndSetsTheTitle) {
  const std::string path = writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool skin\r\n");
  const OpenResult result = OpenSkin(path, BeforeOpen::Reset, nullptr);
  EXPECT_TRUE(result.opened);
  EXPECT_EQ(result.title, "[Cool] - Quillmont Tessera");
  EXPECT_EQ(Session().mainFile, path + "~");
  EXPECT_EQ(ReadSetting("SkinHistory", "Name1", "", "TSR6.ini"), "Cool");
  EXPECT_EQ(ReadSetting("SkinHistory", "Skin1", "", "TSR6.ini"), path);
}

TEST_F(SkinActionsTest, APathInCapitalsOpensTheSkinUnderItsOwnNames) {
  // The command line hands the path over upper-cased.
  const std::string path = writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool skin\r\n");
  const std::string shouted = temp.path() + "/SKINS/COOL/COOL.UIS";
  const OpenResult result = OpenSkin(shouted, BeforeOpen::Reset, nullptr);
  ASSERT_TRUE(result.opened);
  EXPECT_EQ(result.title, "[Cool] - Quillmont Tessera");
  EXPECT_EQ(Session().mainFile, path + "~");
  EXPECT_TRUE(files::isFile(path + "~"));
  EXPECT_EQ(ReadSetting("SkinHistory", "Name1", "", "TSR6.ini"), "Cool");
}

TEST_F(SkinActionsTest, ChosenSubStyleNamesTheTitle) {
  const std::string path = writeSkin("Multi", "[TitlebarSkin]\r\nSkinName=Multi\r\n");
  temp.write("skins/Multi/Night.sss", "[TitlebarSkin]\r\nSkinName=Night\r\n");
  const OpenResult result = OpenSkin(path, BeforeOpen::Reset, [](const std::string&) { return "Night.sss"; });
  EXPECT_EQ(result.title, "[Night] - Quillmont Tessera");
}

TEST_F(SkinActionsTest, FileWithoutSectionsLeavesNoSkinOpenButStaysInHistory) {
  const std::string path = writeSkin("Empty", "");
  EXPECT_FALSE(OpenSkin(path, BeforeOpen::Reset, nullptr).opened);
  EXPECT_FALSE(Session().isOpen());
  EXPECT_EQ(ReadSetting("SkinHistory", "Name1", "", "TSR6.ini"), "Empty");
  EXPECT_FALSE(OpenSkin(temp.file("skins/None/None.uis"), BeforeOpen::Reset, nullptr).opened);
}

TEST_F(SkinActionsTest, RecentSkinCommitsTheOpenSkinFirst) {
  const std::string first = writeSkin("One", "[A]\r\nk=old\r\n");
  const std::string second = writeSkin("Two", "[A]\r\nk=x\r\n");
  OpenSkin(first, BeforeOpen::Reset, nullptr);
  WriteSkinString("A", "k", "new", Session().mainFile);
  OpenSkin(second, BeforeOpen::CommitThenReset, nullptr);
  EXPECT_EQ(prompt.questions, 1);
  EXPECT_EQ(profile::ReadString("A", "k", "", first), "new");
}

TEST_F(SkinActionsTest, ResetOpenDropsUncommittedChanges) {
  const std::string first = writeSkin("One", "[A]\r\nk=old\r\n");
  OpenSkin(first, BeforeOpen::Reset, nullptr);
  WriteSkinString("A", "k", "new", Session().mainFile);
  OpenSkin(writeSkin("Two", "[A]\r\n"), BeforeOpen::Reset, nullptr);
  EXPECT_EQ(prompt.questions, 0);
  EXPECT_EQ(profile::ReadString("A", "k", "", first), "old");
}

TEST_F(SkinActionsTest, CloseClearsTheModifiedFlagWhateverTheAnswer) {
  OpenSkin(writeSkin("One", "[A]\r\n"), BeforeOpen::Reset, nullptr);
  WriteSkinString("A", "k", "v", Session().mainFile);
  InstallPrompt(nullptr);  // answers No
  CloseSkin();
  EXPECT_EQ(Session().modified, 0);
  EXPECT_FALSE(Session().isOpen());
}

TEST_F(SkinActionsTest, CachedRenderingsGoButSubFoldersStay) {
  temp.write("skins/S/S.uis", "[A]\r\n");
  temp.write("skins/S/a.VL4", "");
  temp.write("skins/S/b.preview7_150", "");
  temp.write("skins/S/keep.tga", "");
  temp.write("skins/S/folder.VL5/inner.txt", "");
  Session().mainFile = temp.file("skins/S/S.uis~");
  Session().skinName = "S";
  RefreshPreview();
  EXPECT_EQ(files::listFiles(temp.file("skins/S")), (std::vector<std::string>{"S.uis", "keep.tga"}));
  EXPECT_TRUE(files::isFile(temp.file("skins/S/folder.VL5/inner.txt")));
}

TEST_F(SkinActionsTest, ApplyRecordsTheSkinAndStartsTheLoader) {
  OpenSkin(writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool skin\r\n"), BeforeOpen::Reset, nullptr);
  ApplySkin();
  EXPECT_EQ(ReadSetting(settings::SkinSet), skinsFolder() + "/Cool/Cool.uis");
  EXPECT_EQ(ReadSetting(settings::SkinSet2), "Cool skin");
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].verb, "start");
  EXPECT_EQ(shell.calls[0].program, temp.file("engine") + "/vlload");
}

TEST_F(SkinActionsTest, AppliedSubStyleOpensThroughItsSkinsMainFile) {
  const std::string main = writeSkin("Multi", "[A]\r\n");
  WriteSetting(settings::SkinSet, skinsFolder() + "/Multi/Night.sss");
  WriteSetting(settings::SkinSet2, "Multi");
  EXPECT_EQ(AppliedSkinPath(), main);
  const std::string other = writeSkin("Plain", "[A]\r\n");
  WriteSetting(settings::SkinSet, other);
  EXPECT_EQ(AppliedSkinPath(), other);
  WriteSetting(settings::SkinSet, temp.file("skins/Gone/Gone.uis"));
  EXPECT_EQ(AppliedSkinPath(), "");
}

TEST_F(SkinActionsTest, AppliedSubStyleIsFoundByItsFolderNotItsDisplayName) {
  const std::string main = writeSkin("Multi", "[A]\r\n");
  temp.write("skins/Multi/Night.sss", "[A]\r\n");
  WriteSetting(settings::SkinSet, skinsFolder() + "/Multi/Night.sss");
  WriteSetting(settings::SkinSet2, "Multi at night");  // TitlebarSkin/SkinName, not a folder
  EXPECT_EQ(AppliedSkinPath(), main);
  EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(SkinActionsTest, AppliedSkinOutsideTheSkinsFolderIsRefusedAndNothingIsWritten) {
  const std::string outside = temp.write("elsewhere/Evil/Evil.uis", "[A]\r\n");
  writeSkin("Multi", "[A]\r\n");
  const std::vector<std::pair<std::string, std::string>> refused = {
      {outside, "Evil"},
      {skinsFolder() + "/../elsewhere/Evil/Evil.uis", "Evil"},
      {skinsFolder() + "/Multi/../../elsewhere/Evil/Night.sss", "Multi"},
      {skinsFolder() + "/Multi.uis", "Multi"},  // not in a skin folder
      {temp.file("elsewhere/Evil/Night.sss"), "../skins/Multi"},
  };
  for (const auto& [skinSet, skinSet2] : refused) {
    WriteSetting(settings::SkinSet, skinSet);
    WriteSetting(settings::SkinSet2, skinSet2);
    prompt.messages.clear();
    EXPECT_EQ(AppliedSkinPath(), "") << skinSet;
    EXPECT_EQ(prompt.messages.size(), 1u) << skinSet;
  }
  // A display name that leads outside is not used at all.
  WriteSetting(settings::SkinSet, skinsFolder() + "/Multi/Night.sss");
  WriteSetting(settings::SkinSet2, "../elsewhere/Evil");
  EXPECT_EQ(AppliedSkinPath(), skinsFolder() + "/Multi/Multi.uis");
  EXPECT_EQ(temp.read("elsewhere/Evil/Evil.uis"), "[A]\r\n");
  EXPECT_EQ(ReadSetting("SkinHistory", "Name1", "", "TSR6.ini"), "");
}

TEST_F(SkinActionsTest, ThumbnailIsAnOpaque240By180Png) {
  OpenSkin(writeSkin("Cool", "[A]\r\n"), BeforeOpen::Reset, nullptr);
  ASSERT_TRUE(WriteThumbnail(10, 10, 200, 150));
  const QImage thumbnail(QString::fromStdString(temp.file("skins/Cool/TSRPreview.png")));
  EXPECT_EQ(thumbnail.size(), QSize(240, 180));
  EXPECT_EQ(qAlpha(thumbnail.pixel(5, 5)), 255);
}

}  // namespace
}  // namespace tessera
