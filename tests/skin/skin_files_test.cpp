#include "core/skin/skin_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

class ScriptedPrompt : public Prompt {
 public:
  PromptAnswer answer = PromptAnswer::Yes;
  int questions = 0;
  std::string lastText, lastCaption;
  PromptAnswer askYesNo(std::string_view text, std::string_view caption) override {
    ++questions;
    lastText = text;
    lastCaption = caption;
    return answer;
  }
  void inform(std::string_view, std::string_view) override {}
};

class SkinFilesTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    InstallPrompt(&prompt);
    temp.write("skins/Tessera7/subsections.ini", "[Taskbar]\r\nAlternativeFile=1\r\n");
  }
  ScriptedPrompt prompt;
};

TEST_F(SkinFilesTest, OpenMakesWorkingCopiesPointingAtEachOther) {
  const std::string path = writeSkin("Cool", "[XPTaskbar]\r\nFile=cool\\cool.xp\r\n[Colours]\r\nBackground=10 20 30\r\n"
                                             "[Personality]\r\nButtonCount=3\r\n");
  temp.write("skins/Cool/cool.xp", "[Taskbar]\r\nHeight=30\r\n");
  OpenSkinFiles(path, "");
  const SkinSession& s = Session();
  EXPECT_EQ(s.skinName, "Cool");
  EXPECT_EQ(s.mainFile, path + "~");
  EXPECT_EQ(s.companionFiles[0], skinsFolder() + "/cool/cool.xp~");
  EXPECT_TRUE(files::isFile(s.companionFiles[0]));
  EXPECT_EQ(profile::ReadString("XPTaskbar", "File", "", s.mainFile), "cool\\cool.xp~");
  EXPECT_EQ(profile::ReadString("XPShell", "File", "", s.mainFile), "Cool\\Cool.xps~");
  EXPECT_EQ(s.desktopColour, MakeColorRef(10, 20, 30));
  EXPECT_EQ(s.hasButtonCount, 1);
  EXPECT_EQ(ReadSkinInt("Taskbar", "Height", 0, s.mainFile), 30u);
}

TEST_F(SkinFilesTest, KeepingExistingCopiesLeavesAnOpenEditorsEditsAlone) {
  const std::string path = writeSkin("Cool", "[XPTaskbar]\r\nFile=cool\\cool.xp\r\n[Colours]\r\nBackground=10 20 30\r\n");
  temp.write("skins/Cool/cool.xp", "[Taskbar]\r\nHeight=30\r\n");
  OpenSkinFiles(path, "");
  // The editor's unsaved edits, in the main working file and in a companion.
  profile::WriteString("Colours", "Background", "1 2 3", path + "~");
  profile::WriteString("Taskbar", "Height", "44", Session().companionFiles[0]);
  Session() = SkinSession{};

  OpenSkinFiles(path, "", WorkingCopies::KeepExisting);
  const SkinSession& s = Session();
  EXPECT_EQ(s.mainFile, path + "~");
  EXPECT_EQ(s.desktopColour, MakeColorRef(1, 2, 3));
  EXPECT_EQ(profile::ReadString("Taskbar", "Height", "", s.companionFiles[0]), "44");
  // The File values keep exactly one working mark.
  EXPECT_EQ(profile::ReadString("XPTaskbar", "File", "", s.mainFile), "cool\\cool.xp~");
  EXPECT_EQ(profile::ReadString("XPShell", "File", "", s.mainFile), "Cool\\Cool.xps~");

  // Without working copies the mode makes them as the editor does.
  Session() = SkinSession{};
  files::deleteFile(path + "~");
  OpenSkinFiles(path, "", WorkingCopies::KeepExisting);
  EXPECT_EQ(Session().desktopColour, MakeColorRef(10, 20, 30));
  EXPECT_EQ(profile::ReadString("XPTaskbar", "File", "", Session().mainFile), "cool\\cool.xp~");
}

TEST_F(SkinFilesTest, OpenAddsMissingFileKeysToThePermanentMainFile) {
  const std::string path = writeSkin("Plain", "[TitlebarSkin]\r\nSkinName=Plain\r\n");
  OpenSkinFiles(path, "");
  EXPECT_EQ(profile::ReadString("XPTaskbar", "File", "", path), "Plain\\Plain.xp");
  EXPECT_EQ(profile::ReadString("XPShell", "File", "", path), "Plain\\Plain.xps");
  EXPECT_EQ(profile::ReadString("ToolbarIcons", "File", "", path), "Plain\\Plain.toolbarIcons");
  EXPECT_EQ(Session().hasButtonCount, 0);
  EXPECT_EQ(Session().desktopColour, PlatformSystemColour(kDesktopColourIndex));
}

TEST_F(SkinFilesTest, SubStyleIsEditedAsTheMainFileWithItsOwnCompanions) {
  const std::string path = writeSkin("Multi", "[TitlebarSkin]\r\nSkinName=Multi\r\n");
  temp.write("skins/Multi/Blue.sss", "[TitlebarSkin]\r\nSkinName=Blue\r\n");
  OpenSkinFiles(path, "Blue.sss");
  EXPECT_EQ(Session().mainFile, skinsFolder() + "/Multi/Blue.sss~");
  EXPECT_EQ(Session().openedPath, path);
  EXPECT_EQ(profile::ReadString("XPTaskbar", "File", "", skinsFolder() + "/Multi/Blue.sss"), "Multi\\Blue.xp");
}

TEST_F(SkinFilesTest, CompanionPathsLeadingOutOfTheSkinsFolderAreNotFollowed) {
  temp.write("secret.ini", "[Taskbar]\r\nHeight=1\r\n");
  const std::string path = writeSkin("Bad", "[XPTaskbar]\r\nFile=..\\secret.ini\r\n");
  OpenSkinFiles(path, "");
  EXPECT_EQ(Session().companionFiles[0], skinsFolder() + "/Bad/Bad.xp~");
  WriteSkinString("Taskbar", "Height", "99", Session().mainFile);
  EXPECT_EQ(temp.read("secret.ini"), "[Taskbar]\r\nHeight=1\r\n");
}

TEST_F(SkinFilesTest, FramelessTestNeedsAllFrameKeysShortAndDwmFrames) {
  const std::string frameless = writeSkin("F", "[Personality]\r\nTop=ab\r\n[DWM]\r\nUseDWMFrames=1\r\n");
  EXPECT_TRUE(IsFramelessSkin(frameless));
  const std::string framed = writeSkin("G", "[Borders]\r\nHorzFrame=g\\h.tga\r\n[DWM]\r\nUseDWMFrames=1\r\n");
  EXPECT_FALSE(IsFramelessSkin(framed));
  const std::string noDwm = writeSkin("H", "[Personality]\r\nTop=\r\n");
  EXPECT_FALSE(IsFramelessSkin(noDwm));
}

TEST_F(SkinFilesTest, CommitCopiesBackWithoutTheWorkingMarks) {
  const std::string path = writeSkin("Cool", "[Button]\r\nImage=old\r\n");
  OpenSkinFiles(path, "");
  WriteSkinString("Button", "Image", "new", Session().mainFile);
  WriteSkinString("Taskbar", "Height", "40", Session().mainFile);
  CommitSkinFiles();
  EXPECT_EQ(prompt.questions, 1);
  EXPECT_EQ(prompt.lastText, "Do you want to save any skin changes?");
  EXPECT_EQ(prompt.lastCaption, "Save changes?");
  EXPECT_EQ(profile::ReadString("Button", "Image", "", path), "new");
  for (const char* section : {"XPTaskbar", "XPShell", "ToolbarIcons"}) {
    EXPECT_NE(profile::ReadString(section, "File", "", path).back(), '~');
    EXPECT_EQ(profile::ReadString(section, "File", "", Session().mainFile).back(), '~');
  }
  EXPECT_EQ(profile::GetInt("Taskbar", "Height", 0, skinsFolder() + "/Cool/Cool.xp"), 40u);
  EXPECT_EQ(Session().modified, 0);
}

TEST_F(SkinFilesTest, DeclinedQuestionKeepsWorkingCopiesAndModifiedFlag) {
  const std::string path = writeSkin("Cool", "[Button]\r\nImage=old\r\n");
  OpenSkinFiles(path, "");
  WriteSkinString("Button", "Image", "new", Session().mainFile);
  prompt.answer = PromptAnswer::No;
  CommitSkinFiles();
  EXPECT_EQ(profile::ReadString("Button", "Image", "", path), "old");
  EXPECT_EQ(profile::ReadString("Button", "Image", "", Session().mainFile), "new");
  EXPECT_EQ(Session().modified, 1);
}

TEST_F(SkinFilesTest, AutoSaveCommitsWithoutAsking) {
  WriteSetting(settings::AutoSave, "1");
  const std::string path = writeSkin("Cool", "[Button]\r\nImage=old\r\n");
  OpenSkinFiles(path, "");
  WriteSkinString("Button", "Image", "new", Session().mainFile);
  CommitSkinFiles();
  EXPECT_EQ(prompt.questions, 0);
  EXPECT_EQ(profile::ReadString("Button", "Image", "", path), "new");
}

TEST_F(SkinFilesTest, NothingToCommitAsksNothing) {
  const std::string path = writeSkin("Cool", "[Button]\r\nImage=old\r\n");
  OpenSkinFiles(path, "");
  CommitSkinFiles();
  EXPECT_EQ(prompt.questions, 0);
  Session() = SkinSession{};
  Session().modified = 1;
  CommitSkinFiles();
  EXPECT_EQ(prompt.questions, 0);
}

TEST_F(SkinFilesTest, StaleWorkingCompanionIsNotTakenForTheSkinsOwn) {
  const std::string path = writeSkin("Cool", "[Button]\r\nImage=old\r\n");
  temp.write("skins/Cool/Cool.xp~", "[Taskbar]\r\nHeight=77\r\n");
  OpenSkinFiles(path, "");
  EXPECT_EQ(ReadSkinInt("Taskbar", "Height", 0, Session().mainFile), 0u);
}

// A skin as a killed editor leaves it: working copies written after the permanent files.
class CrashRecoveryTest : public SkinFilesTest {
 protected:
  static constexpr const char* kPermanentMain =
      "[XPTaskbar]\r\nFile=Cool\\Cool.xp\r\n[XPShell]\r\nFile=Cool\\Cool.xps\r\n[ToolbarIcons]\r\n"
      "File=Cool\\Cool.toolbarIcons\r\n[Button]\r\nImage=old\r\n";
  void SetUp() override {
    SkinFilesTest::SetUp();
    path = writeSkin("Cool", kPermanentMain);
    temp.write("skins/Cool/Cool.xp", "[Taskbar]\r\nHeight=30\r\n");
  }
  // Writes the working copies and dates them `workingAge` relative to the permanent files.
  void leaveWorkingCopies(std::string_view buttonImage, std::string_view taskbarHeight,
                          std::chrono::hours workingAge = std::chrono::hours(1)) {
    std::string main = std::string(kPermanentMain);
    for (const char* name : {"Cool.xp", "Cool.xps", "Cool.toolbarIcons"}) {
      const std::string value = std::string("Cool\\") + name;
      main.replace(main.find(value), value.size(), value + "~");
    }
    main.replace(main.find("Image=old"), 9, "Image=" + std::string(buttonImage));
    temp.write("skins/Cool/Cool.uis~", main);
    temp.write("skins/Cool/Cool.xp~", "[Taskbar]\r\nHeight=" + std::string(taskbarHeight) + "\r\n");
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const char* name : {"Cool.uis", "Cool.xp"}) {
      std::filesystem::last_write_time(temp.file(std::string("skins/Cool/") + name), now);
      std::filesystem::last_write_time(temp.file(std::string("skins/Cool/") + name + "~"), now + workingAge);
    }
  }
  std::string path;
};

// Records the skin's files at the moment of the question.
class SnapshotPrompt : public Prompt {
 public:
  explicit SnapshotPrompt(const testing::TempDir& temp, PromptAnswer answer) : temp_(temp), answer_(answer) {
    previous_ = InstallPrompt(this);
  }
  ~SnapshotPrompt() override { InstallPrompt(previous_); }
  PromptAnswer askYesNo(std::string_view text, std::string_view caption) override {
    questions.emplace_back(text);
    for (const char* name : {"Cool.uis", "Cool.uis~", "Cool.xp", "Cool.xp~"}) {
      filesAtQuestion.push_back(temp_.read(std::string("skins/Cool/") + name));
    }
    (void)caption;
    return answer_;
  }
  void inform(std::string_view, std::string_view) override {}
  std::vector<std::string> questions;
  std::vector<std::string> filesAtQuestion;

 private:
  const testing::TempDir& temp_;
  PromptAnswer answer_;
  Prompt* previous_ = nullptr;
};

TEST_F(CrashRecoveryTest, YesKeepsTheLeftWorkingCopiesAndMarksTheSkinModified) {
  leaveWorkingCopies("new", "44");
  const std::vector<std::string> before = {temp.read("skins/Cool/Cool.uis"), temp.read("skins/Cool/Cool.uis~"),
                                           temp.read("skins/Cool/Cool.xp"), temp.read("skins/Cool/Cool.xp~")};
  SnapshotPrompt answer(temp, PromptAnswer::Yes);
  OpenSkinFiles(path, "");
  ASSERT_EQ(answer.questions, (std::vector<std::string>{kRecoverQuestion}));
  EXPECT_EQ(answer.filesAtQuestion, before);  // nothing written before the answer
  EXPECT_EQ(ReadSkinString("Button", "Image", "", Session().mainFile), "new");
  EXPECT_EQ(ReadSkinInt("Taskbar", "Height", 0, Session().mainFile), 44u);
  EXPECT_EQ(Session().modified, 1);
  EXPECT_EQ(temp.read("skins/Cool/Cool.uis"), kPermanentMain);
  // Saving then takes the recovered state into the permanent files.
  WriteSetting(settings::AutoSave, "1");
  CommitSkinFiles();
  EXPECT_EQ(profile::ReadString("Button", "Image", "", path), "new");
  EXPECT_EQ(profile::ReadString("XPTaskbar", "File", "", path), "Cool\\Cool.xp");
}

TEST_F(CrashRecoveryTest, NoMakesFreshWorkingCopies) {
  leaveWorkingCopies("new", "44");
  SnapshotPrompt answer(temp, PromptAnswer::No);
  OpenSkinFiles(path, "");
  EXPECT_EQ(answer.questions.size(), 1u);
  EXPECT_EQ(ReadSkinString("Button", "Image", "", Session().mainFile), "old");
  EXPECT_EQ(ReadSkinInt("Taskbar", "Height", 0, Session().mainFile), 30u);
  EXPECT_EQ(Session().modified, 0);
}

TEST_F(CrashRecoveryTest, OnlyNewerCopiesThatDifferAreOffered) {
  SnapshotPrompt answer(temp, PromptAnswer::Yes);
  // Copies of an untouched session: the main file differs only by its working marks.
  leaveWorkingCopies("old", "30");
  OpenSkinFiles(path, "");
  EXPECT_TRUE(answer.questions.empty());
  Session() = SkinSession{};

  // Permanent files written after the copies (saved, or changed by another program since).
  const std::string other = writeSkin("Other", "[Button]\r\nImage=old\r\n");
  temp.write("skins/Other/Other.uis~", "[Button]\r\nImage=new\r\n");
  const auto now = std::filesystem::file_time_type::clock::now();
  std::filesystem::last_write_time(other, now);
  std::filesystem::last_write_time(other + "~", now - std::chrono::hours(1));
  OpenSkinFiles(other, "");
  EXPECT_TRUE(answer.questions.empty());
  EXPECT_EQ(ReadSkinString("Button", "Image", "", Session().mainFile), "old");
}

TEST_F(CrashRecoveryTest, AnEditedCompanionAloneIsOffered) {
  leaveWorkingCopies("old", "44");
  SnapshotPrompt answer(temp, PromptAnswer::Yes);
  OpenSkinFiles(path, "");
  EXPECT_EQ(answer.questions.size(), 1u);
  EXPECT_EQ(ReadSkinInt("Taskbar", "Height", 0, Session().mainFile), 44u);
}

}  // namespace
}  // namespace tessera
