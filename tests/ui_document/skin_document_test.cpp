#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

#include "core/image/image_buffer.h"
#include "core/image/image_file.h"
#include "core/image/image_import.h"
#include "core/platform/change_observer.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

class SkinDocumentTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    mainFile = temp.write("skins/S/S.uis~", "[Button]\r\nImage=s\\a.tga\r\nTopHeight=2\r\n[Other]\r\nX=1\r\n");
    Session().mainFile = mainFile;
    Session().skinName = "S";
    folder = skinsFolder() + "/S";
    document = std::make_unique<SkinDocument>(folder);
    QObject::connect(document.get(), &SkinDocument::keysChanged,
                     [this](const std::string&, const std::string& section, const std::vector<std::string>& keys) {
                       heard.push_back(section + ":" + (keys.empty() ? std::string("*") : keys.front()));
                     });
  }
  void TearDown() override {
    document.reset();
    Session() = SkinSession{};
    EnvironmentTest::TearDown();
  }
  std::string value(const char* section, const char* key) {
    return profile::FindValue(section, key, mainFile).value_or("<none>");
  }
  QUndoStack& stack() { return *document->undoStack(); }
  // Lets the step of the last control change close, as the event loop does between user actions.
  void endOfAction() { QCoreApplication::processEvents(); }

  std::string mainFile;
  std::string folder;
  std::unique_ptr<SkinDocument> document;
  std::vector<std::string> heard;
};

TEST_F(SkinDocumentTest, TheDocumentOwnsTheSessionOfItsSkin) {
  // The document took over the session set up for it; none is left pending.
  EXPECT_EQ(&Session(), &document->session());
  EXPECT_EQ(document->session().mainFile, mainFile);
  EXPECT_FALSE(PendingSession().isOpen());
  // The modified flag follows the journal of this document.
  WriteSkinString("Button", "TopHeight", "9", mainFile);
  endOfAction();
  EXPECT_EQ(document->session().modified, 1);
  // Closing the document closes its skin: nothing stays open behind it.
  document.reset();
  EXPECT_FALSE(Session().isOpen());
  EXPECT_EQ(Session().modified, 0);
  // Writes stay enabled for the next skin: that is the process's setting, not the skin's.
  EXPECT_TRUE(SkinWritesEnabled());
}

TEST_F(SkinDocumentTest, KeyWritesAndDeletionsUndoAndRedoExactly) {
  const std::string original = temp.read("skins/S/S.uis~");
  WriteSkinString("Button", "TopHeight", "9", mainFile);
  endOfAction();
  WriteSkinString("Button", "Image", std::nullopt, mainFile);
  endOfAction();
  ASSERT_EQ(stack().count(), 2);
  EXPECT_EQ(stack().undoText(), "Change Image of Button");
  EXPECT_EQ(Session().modified, 1);

  heard.clear();
  stack().undo();
  EXPECT_EQ(value("Button", "Image"), "s\\a.tga");
  EXPECT_EQ(heard, (std::vector<std::string>{"Button:Image"}));
  stack().undo();
  EXPECT_EQ(temp.read("skins/S/S.uis~"), original);
  EXPECT_EQ(Session().modified, 0);
  stack().redo();
  stack().redo();
  EXPECT_EQ(value("Button", "TopHeight"), "9");
  EXPECT_EQ(value("Button", "Image"), "<none>");
}

TEST_F(SkinDocumentTest, OneControlChangeIsOneStepAndTypedDigitsMerge) {
  // The writes of one handler (a slot value and the keys it clears) are one step.
  WriteSkinString("Button", "Image", "s\\b.tga", mainFile);
  WriteSkinString("Button", "TopHeight", std::nullopt, mainFile);
  endOfAction();
  EXPECT_EQ(stack().count(), 1);
  EXPECT_EQ(stack().undoText(), "Change Button");
  // Typing 1, 2, 3 into one box: three writes of one key, one step.
  for (const char* typed : {"1", "12", "123"}) {
    WriteSkinString("Other", "X", typed, mainFile);
    endOfAction();
  }
  EXPECT_EQ(stack().count(), 2);
  EXPECT_EQ(stack().undoText(), "Change X of Other");
  stack().undo();
  EXPECT_EQ(value("Other", "X"), "1");
  EXPECT_EQ(value("Button", "Image"), "s\\b.tga");
}

TEST_F(SkinDocumentTest, WholeSectionRewritesUndo) {
  profile::WriteSection("Button", std::vector<std::string>{"Image=s\\c.tga"}, mainFile);
  profile::WriteString("Other", std::nullopt, std::nullopt, mainFile);  // a deleted section
  endOfAction();
  EXPECT_EQ(value("Button", "TopHeight"), "<none>");
  EXPECT_EQ(value("Other", "X"), "<none>");
  stack().undo();
  EXPECT_EQ(value("Button", "TopHeight"), "2");
  EXPECT_EQ(value("Other", "X"), "1");
  EXPECT_EQ(heard.back(), "Other:*");
}

TEST_F(SkinDocumentTest, PictureFilesComeAndGoWithTheirSteps) {
  // An import that created a file, a rename, and clean-up's move into backup/.
  {
    SkinDocument::Step step(document.get(), "Import title.tga");
    files::writeAllAtomic(folder + "/title.tga", "picture");
    WriteSkinString("Button", "Image", "s\\title.tga", mainFile);
  }
  files::writeAllAtomic(folder + "/old.tga", "old");
  endOfAction();
  files::moveFile(folder + "/old.tga", folder + "/renamed.tga");
  endOfAction();
  files::createFolder(folder + "/backup");
  files::moveFile(folder + "/renamed.tga", folder + "/backup/renamed.tga");
  endOfAction();
  ASSERT_EQ(stack().count(), 4);
  EXPECT_EQ(stack().text(0), "Import title.tga");

  stack().undo();
  EXPECT_TRUE(files::isFile(folder + "/renamed.tga"));
  EXPECT_FALSE(files::exists(folder + "/backup/renamed.tga"));
  stack().undo();
  EXPECT_EQ(temp.read("skins/S/old.tga"), "old");
  EXPECT_FALSE(files::exists(folder + "/renamed.tga"));
  stack().setIndex(0);
  EXPECT_FALSE(files::exists(folder + "/title.tga"));
  EXPECT_EQ(value("Button", "Image"), "s\\a.tga");
  stack().redo();
  EXPECT_EQ(temp.read("skins/S/title.tga"), "picture");
  EXPECT_EQ(value("Button", "Image"), "s\\title.tga");
}

TEST_F(SkinDocumentTest, AnImportAndTheSlotItFillsAreOneNamedStep) {
  auto picture = CreateImage(4, 2);
  const std::string source = temp.file("outside/Title.tga");
  files::createFolders(temp.file("outside"));
  ASSERT_TRUE(SaveImageFile(source, *picture, false));
  const ImportResult imported = QuickImport(source, "Button");
  ASSERT_FALSE(imported.slotValue.empty());
  WriteSkinString("Button", "Image", imported.slotValue, mainFile);
  endOfAction();
  ASSERT_EQ(stack().count(), 1);
  EXPECT_EQ(stack().undoText(), "Import Title.tga");
  stack().undo();
  EXPECT_FALSE(files::exists(folder + "/Title.tga"));
  EXPECT_EQ(value("Button", "Image"), "s\\a.tga");
}

TEST_F(SkinDocumentTest, UndoingPastASaveMakesTheSkinModifiedAgain) {
  WriteSkinString("Button", "TopHeight", "5", mainFile);
  endOfAction();
  document->markSaved();
  EXPECT_EQ(Session().modified, 0);
  WriteSkinString("Button", "TopHeight", "6", mainFile);  // does not merge into the saved step
  endOfAction();
  EXPECT_EQ(stack().count(), 2);
  stack().undo();
  EXPECT_EQ(Session().modified, 0);
  stack().undo();
  EXPECT_EQ(Session().modified, 1);
  EXPECT_EQ(value("Button", "TopHeight"), "2");
}

TEST_F(SkinDocumentTest, CancelTakesBackOnlyTheStepsSinceItsPoint) {
  WriteSkinString("Other", "X", "before", mainFile);
  endOfAction();
  const int point = document->markCancelPoint();
  WriteSkinString("Other", "X", "inside", mainFile);  // the same key, yet a step of its own
  endOfAction();
  WriteSkinString("Button", "TopHeight", "7", mainFile);
  endOfAction();
  document->cancelTo(point);
  EXPECT_EQ(value("Other", "X"), "before");
  EXPECT_EQ(value("Button", "TopHeight"), "2");
}

TEST_F(SkinDocumentTest, OnlyEditsInsideTheSkinFolderAreJournalled) {
  temp.write("skins/Elsewhere/E.uis", "[A]\r\nB=1\r\n");
  WriteSkinString("A", "B", "2", temp.file("skins/Elsewhere/E.uis"));
  {
    const ChangesUnobserved derived;
    files::writeAllAtomic(folder + "/cache.bmp", "derived");
  }
  endOfAction();
  EXPECT_EQ(stack().count(), 0);
}

TEST_F(SkinDocumentTest, TheJournalKeepsToItsBudget) {
  const std::string big(SkinDocument::kMaxJournalBytes / 3, 'x');
  for (int i = 0; i < 5; ++i) {
    files::writeAllAtomic(folder + "/big" + std::to_string(i) + ".tga", big);
    endOfAction();
  }
  EXPECT_LE(document->journalBytes(), SkinDocument::kMaxJournalBytes);
  // The newest step is still whole.
  stack().undo();
  EXPECT_FALSE(files::exists(folder + "/big4.tga"));
  EXPECT_TRUE(files::exists(folder + "/big3.tga"));
}

TEST_F(SkinDocumentTest, UndoNeverWritesOutsideTheSkinFolder) {
  files::createFolder(folder + "/sub");
  files::writeAllAtomic(folder + "/sub/pic.tga", "mine");
  endOfAction();
  // Between the edit and the undo, the folder is swapped for a link to somewhere else.
  const std::string outside = temp.file("outside");
  files::createFolder(outside);
  std::filesystem::remove_all(folder + "/sub");
  std::filesystem::create_directory_symlink(outside, folder + "/sub");
  files::writeAllAtomic(outside + "/pic.tga", "theirs");
  stack().undo();
  EXPECT_EQ(temp.read("outside/pic.tga"), "theirs");
}

}  // namespace
}  // namespace tessera
