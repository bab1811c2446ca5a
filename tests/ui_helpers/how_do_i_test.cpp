#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "core/skin/how_do_i.h"
#include "ui/skin/how_do_i_dialog.h"
#include "ui_helpers/helpers_fixture.h"

namespace tessera::ui {
namespace {

class HowDoITest : public testing::HelperDialogTest {
 protected:
  void SetUp() override {
    HelperDialogTest::SetUp();
    catalogue("HowDoI.ini",
              "[Alpha]\r\nDescription=Alpha switch\r\nSection=Personality\r\nName=Flag\r\nText=About alpha\r\n"
              "[Beta]\r\nSection=Options\r\nName=Other\r\nDefault=1\r\n"
              "[Ghost]\r\nDescription=Section the skin lacks\r\nSection=Missing\r\n"
              "[Loose]\r\nDescription=No section named\r\nName=Flag\r\n");
    openWithJournal("[Personality]\r\nFlag=2\r\n[Options]\r\nOther=abc\r\n");
  }
  static void select(HowDoIDialog& dialog, int row) { dialog.taskList()->setCurrentRow(row); }
  static void clickEnabled(HowDoIDialog& dialog) { dialog.enabledBox()->click(); }
};

TEST_F(HowDoITest, CatalogueDefaultsApplyToMissingKeys) {
  const auto tasks = ReadHowDoITasks(HowDoICataloguePath());
  ASSERT_EQ(tasks.size(), 4u);
  EXPECT_EQ(tasks[1].description, "Beta");
  EXPECT_EQ(tasks[1].text, "Beta");
  EXPECT_EQ(tasks[1].defaultValue, 1);
  EXPECT_EQ(tasks[2].key, "Ghost");
  EXPECT_EQ(tasks[2].defaultValue, 0);
  EXPECT_FALSE(CanSwitchTask(tasks[3]));
  EXPECT_TRUE(ReadHowDoITasks(temp.file("nowhere/HowDoI.ini")).empty());
}

TEST_F(HowDoITest, EnabledShowsANonZeroValueAndClicksWriteOneOrZero) {
  HowDoIDialog dialog(SkinDocument::current());
  dialog.show();
  ASSERT_EQ(dialog.taskList()->count(), 4);
  EXPECT_EQ(dialog.taskList()->item(0)->text(), QStringLiteral("Alpha switch"));
  EXPECT_EQ(dialog.taskList()->currentRow(), 0);
  EXPECT_EQ(dialog.textArea()->toPlainText(), QStringLiteral("About alpha"));
  // "2" is a non-zero number: the task is on.
  EXPECT_TRUE(dialog.enabledBox()->isChecked());
  EXPECT_EQ(dialog.taskList()->item(0)->checkState(), Qt::Checked);

  clickEnabled(dialog);
  EXPECT_EQ(skinValue("Personality", "Flag"), "0");
  EXPECT_EQ(dialog.taskList()->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(undoText(), QStringLiteral("Turn off \"Alpha switch\""));
  clickEnabled(dialog);
  EXPECT_EQ(skinValue("Personality", "Flag"), "1");

  // A value that is no number reads as 0, whatever the default.
  select(dialog, 1);
  EXPECT_EQ(dialog.textArea()->toPlainText(), QStringLiteral("Beta"));
  EXPECT_FALSE(dialog.enabledBox()->isChecked());
}

TEST_F(HowDoITest, ADefaultStandsForAnAbsentKeyAndMissingSectionsAreCreated) {
  profile::WriteString("Options", "Other", std::nullopt, mainFile());
  HowDoIDialog dialog(SkinDocument::current());
  dialog.show();
  select(dialog, 1);
  EXPECT_TRUE(dialog.enabledBox()->isChecked());

  // A task whose skin section does not exist yet is off and can be switched on.
  select(dialog, 2);
  EXPECT_FALSE(dialog.enabledBox()->isChecked());
  ASSERT_TRUE(dialog.enabledBox()->isEnabled());
  clickEnabled(dialog);
  EXPECT_EQ(skinValue("Missing", "Ghost"), "1");

  // A task that names no section cannot be switched.
  select(dialog, 3);
  EXPECT_FALSE(dialog.enabledBox()->isEnabled());
}

TEST_F(HowDoITest, MissingCatalogueListsNothing) {
  files::deleteFile(temp.file("skins/Tessera7/HowDoI.ini"));
  HowDoIDialog dialog(SkinDocument::current());
  dialog.show();
  EXPECT_EQ(dialog.taskList()->count(), 0);
  EXPECT_FALSE(dialog.enabledBox()->isEnabled());
  EXPECT_TRUE(dialog.textArea()->toPlainText().isEmpty());
}

}  // namespace
}  // namespace tessera::ui
