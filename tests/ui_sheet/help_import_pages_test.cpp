#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/platform/shell.h"
#include "sheet/sheet_fixture.h"
#include "support/eventually.h"
#include "ui/sheet/help_page.h"
#include "ui/sheet/import_page.h"
#include "ui_sheet/fake_editor.h"
#include "ui_skin/dialog_test_support.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;
using testing::ScriptedPrompt;

class HelpPageTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    catalogue("subsections.ini", "[Button]\r\nHelp=Push buttons.\\nAlso default buttons.\r\nStateList=2\r\n"
                                 "Preview=missing.png\r\n");
    catalogue("statelist.ini", "[2]\r\nNormal=1\r\nPressed=2\r\n");
    openSkin("[Button]\r\nImage=s\\button.tga\r\n[Button:Glow]\r\nImage=s\\glow.tga\r\n");
  }
};

TEST_F(HelpPageTest, ShowsTheEntryHelpAndFrameOrder) {
  FakeEditor editor("Button:Glow", "Button");
  HelpPage page(editor);
  EXPECT_EQ(page.helpText(), "Push buttons.\nAlso default buttons.");
  EXPECT_EQ(page.stateNames(), (QStringList{"Normal", "Pressed"}));
  // A preview picture that does not load hides the example box.
  EXPECT_FALSE(page.showsExample());
}

TEST_F(HelpPageTest, ExampleAndStateDescriptionWhenTheCatalogueHasThem) {
  catalogue("subsections.ini", "[Button]\r\nStateDesc=Normal, then pressed.\r\nStateList=2\r\nPreview=Button.png\r\n");
  QImage example(8, 8, QImage::Format_ARGB32);
  example.fill(Qt::red);
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dataFolder() + "/previews")));
  ASSERT_TRUE(example.save(QString::fromStdString(dataFolder() + "/previews/button.png")));
  FakeEditor editor("Button", "Button");
  HelpPage page(editor);
  EXPECT_TRUE(page.showsExample());
  EXPECT_EQ(page.stateDescription(), "Normal, then pressed.");
  EXPECT_TRUE(page.stateNames().isEmpty());
}

TEST_F(HelpPageTest, WikiOpensTheEntryPage) {
  RecordingShell shell;
  InstallShell(&shell);
  FakeEditor editor("Button:Glow", "Button");
  HelpPage page(editor);
  QTest::mouseClick(page.wikiButton(), Qt::LeftButton);
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].verb, "open");
  EXPECT_TRUE(shell.calls[0].target.ends_with("/index.php?title=Tessera_Help:_Button"));
  InstallShell(nullptr);
}

TEST_F(HelpPageTest, WikiWithoutABrowserSaysWhatToInstall) {
  RecordingShell shell(false);
  InstallShell(&shell);
  ScriptedPrompt prompt(PromptAnswer::No);
  FakeEditor editor("Button", "Button");
  HelpPage page(editor);
  QTest::mouseClick(page.wikiButton(), Qt::LeftButton);
  InstallShell(nullptr);
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_NE(prompt.messages[0].text.find("Tessera_Help:_Button"), std::string::npos) << prompt.messages[0].text;
  EXPECT_NE(prompt.messages[0].text.find("\"xdg-utils\""), std::string::npos) << prompt.messages[0].text;
  EXPECT_NE(prompt.messages[0].text.find("web browser"), std::string::npos) << prompt.messages[0].text;
}

TEST_F(HelpPageTest, DeleteAsksAndRemovesOnlyTheCurrentSection) {
  FakeEditor editor("Button:Glow", "Button");
  HelpPage page(editor);
  {
    ScriptedPrompt no(PromptAnswer::No);
    QTest::mouseClick(page.deleteButton(), Qt::LeftButton);
    ASSERT_EQ(no.questions.size(), 1u);
    EXPECT_EQ(no.questions[0].text, "Are you sure you want to delete this section?");
    EXPECT_EQ(no.questions[0].caption, "Delete section?");
  }
  EXPECT_TRUE(skinValue("Button:Glow", "Image"));
  ScriptedPrompt yes(PromptAnswer::Yes);
  QTest::mouseClick(page.deleteButton(), Qt::LeftButton);
  EXPECT_FALSE(skinValue("Button:Glow", "Image"));
  EXPECT_EQ(skinValue("Button", "Image"), "s\\button.tga");
  EXPECT_EQ(editor.repaints, 1);
  EXPECT_EQ(editor.rebuilds, 0);
  EXPECT_EVENTUALLY_EQ(editor.rebuilds, 1);
}

class ImportPageTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    catalogue("subsections.ini", "[Button]\r\nDescription=Push button\r\n[Check(box)]\r\nDescription=Check box\r\n");
    openSkin("[Button]\r\nImage=s\\button.tga\r\nTopHeight=4\r\n"
             "[Check(box)]\r\nImage=s\\check.tga\r\nTopHeight=9\r\n");
  }
  static void selectRow(ImportPage& page, const QString& startingWith) {
    const auto rows = page.sourceList()->findItems(startingWith, Qt::MatchStartsWith);
    ASSERT_EQ(rows.size(), 1);
    page.sourceList()->setCurrentItem(rows[0]);
  }
};

TEST_F(ImportPageTest, ImportsTheSelectedSectionAndSaysSo) {
  FakeEditor editor("Button", "Button");
  ImportPage page(editor);
  EXPECT_EQ(page.sourceList()->count(), 2);
  selectRow(page, "Check(box) (Check box)");
  ScriptedPrompt prompt(PromptAnswer::Yes);
  QTest::mouseClick(page.importButton(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Button", "TopHeight"), "9");
  EXPECT_EQ(skinValue("Button", "Image"), "s\\check.tga");
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].caption, "Import complete");
  EXPECT_EQ(prompt.messages[0].text,
            "This section has been imported.  Please remember that if you want to edit the image you need to make a "
            "copy of it unless you want both sections to change.");
  EXPECT_EQ(editor.rebuilds, 1);
  EXPECT_EQ(editor.repaints, 1);
}

TEST_F(ImportPageTest, KeepsTheImageWhenAskedAndDoesNothingWithoutASelection) {
  FakeEditor editor("Button", "Button");
  ImportPage page(editor);
  ScriptedPrompt prompt(PromptAnswer::Yes);
  QTest::mouseClick(page.importButton(), Qt::LeftButton);
  EXPECT_TRUE(prompt.messages.empty());
  EXPECT_EQ(skinValue("Button", "TopHeight"), "4");

  selectRow(page, "Check(box)");
  QTest::mouseClick(page.keepImageBox(), Qt::LeftButton);
  QTest::mouseClick(page.importButton(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Button", "TopHeight"), "9");
  EXPECT_EQ(skinValue("Button", "Image"), "s\\button.tga");
}

}  // namespace
}  // namespace tessera::ui
