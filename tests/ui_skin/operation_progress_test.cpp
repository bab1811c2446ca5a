// Save-as, new skin and clean skin show their progress over their own dialog, and its Cancel
// leaves the skins as they were.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "core/platform/files.h"
#include "dialog_test_support.h"
#include "support/progress_watch.h"
#include "ui/skin/clean_skin_dialog.h"
#include "ui/skin/new_skin_dialog.h"
#include "ui/skin/save_as_dialog.h"

namespace tessera::ui {
namespace {

using testing::NoModalExpected;
using testing::ProgressWatch;
using testing::ScriptedPrompt;

class OperationProgressTest : public testing::DialogTest {
 protected:
  void writeCool(int pictures) {
    writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool\r\n[Buttons]\r\nImage=cool\\pic0.tga\r\n");
    for (int i = 0; i < pictures; ++i) temp.write("skins/Cool/pic" + std::to_string(i) + ".tga", "tga");
    rebuildSkinList();
  }
  static void typeName(QLineEdit* edit, const char* name) {
    edit->clear();
    QTest::keyClicks(edit, name);
  }
};

TEST_F(OperationProgressTest, SaveAsShowsTheCopyOverItsDialogAndCancelMakesNoSkin) {
  writeCool(5);
  SaveAsDialog dialog(skinsFolder(), "Cool");
  dialog.show();
  typeName(dialog.nameEdit(), "Cooler");
  {
    const NoModalExpected quiet;  // a cancelled copy is no failure to announce
    ProgressWatch watch(3);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_EQ(watch.reports.size(), 3u);
    EXPECT_EQ(watch.reports[0].over, &dialog);
    EXPECT_EQ(watch.reports[0].caption, "Save As");
    EXPECT_EQ(watch.reports[2].barValue, 2);
    EXPECT_EQ(watch.reports[2].barMaximum, 7);  // six files and the references
  }
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.newName().empty());
  EXPECT_FALSE(files::exists(temp.file("skins/Cooler")));

  ProgressWatch watch;
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  EXPECT_TRUE(watch.reachedEnd());
  EXPECT_TRUE(watch.reports.front().offersCancel);
  EXPECT_FALSE(watch.reports.back().offersCancel) << "nothing can stop the flush and the rename";
  EXPECT_EQ(dialog.newName(), "Cooler");
  EXPECT_TRUE(files::isFile(temp.file("skins/Cooler/Cooler.uis")));
}

TEST_F(OperationProgressTest, NewSkinCancelledAtTheStartLeavesTheDialogOpen) {
  temp.write("skins/Tessera7/TesseraTemplates/TemplateUIS2_Vista/TemplateUIS2_Vista.uis",
             "[TitlebarSkin]\r\nSkinName=Template\r\n");
  NewSkinDialog dialog(skinsFolder());
  dialog.show();
  typeName(dialog.nameEdit(), "Fresh");
  ProgressWatch watch(1);
  dialog.createButton()->click();
  ASSERT_EQ(watch.reports.size(), 1u);
  EXPECT_EQ(watch.reports[0].over, &dialog);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(files::exists(temp.file("skins/Fresh")));
}

TEST_F(OperationProgressTest, CleanCancelledWhileScanningChangesNothingAndCloses) {
  writeCool(4);
  CleanSkinDialog dialog(SkinDocument::current(), skinsFolder(), "Cool");
  dialog.show();
  ProgressWatch watch(1);
  dialog.scanNow();
  ASSERT_EQ(watch.reports.size(), 1u);
  EXPECT_EQ(watch.reports[0].over, &dialog);
  EXPECT_EQ(dialog.list()->count(), 0);
  QCoreApplication::sendPostedEvents(&dialog);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(files::exists(temp.file("skins/Cool/backup")));
}

TEST_F(OperationProgressTest, CleanCancelledWhileMovingKeepsTheWholeMovesAndSaysSo) {
  writeCool(4);  // pic1, pic2 and pic3 are left over
  CleanSkinDialog dialog(SkinDocument::current(), skinsFolder(), "Cool");
  dialog.show();
  dialog.scanNow();
  ASSERT_EQ(dialog.list()->count(), 3);

  ScriptedPrompt prompt(PromptAnswer::Yes);
  ProgressWatch watch(2);  // the report after the first move
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  EXPECT_TRUE(files::isFile(temp.file("skins/Cool/backup/pic1.tga")));
  EXPECT_TRUE(files::isFile(temp.file("skins/Cool/pic2.tga")));
  EXPECT_TRUE(files::isFile(temp.file("skins/Cool/pic3.tga")));
  EXPECT_FALSE(files::exists(temp.file("skins/Cool/backup/pic2.tga")));
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_NE(prompt.messages[0].text.find("1 of 3"), std::string::npos) << prompt.messages[0].text;
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace tessera::ui
