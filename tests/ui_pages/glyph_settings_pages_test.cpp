#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "ui/pages/glyph_page.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/note_box.h"
#include "ui/pages/settings_page.h"
#include "ui/pages/slot_file_list.h"
#include "ui_pages/pages_fixture.h"
#include "ui_sheet/fake_editor.h"
#include "ui_skin/dialog_test_support.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;
using testing::ScriptedPrompt;
using testing::WhenModal;

class GlyphPageTest : public testing::PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    writePicture("icon.tga");
    openSkin("[Button]\r\nImage=s\\b.tga\r\nGlyphImage=s\\icon.tga\r\nGlyphBitmap=s\\icon.bmp\r\nGlyphTransMode=1\r\n"
             "GlyphXShift=12\r\n");
  }
};

TEST_F(GlyphPageTest, ReadsTheGlyphKeys) {
  FakeEditor editor("Button", "Button");
  GlyphPage page(editor);
  EXPECT_EQ(page.slotPanel()->selectedValue(), "s\\icon.tga");
  EXPECT_EQ(page.slotPanel()->fileList()->itemText(0), " None");
  EXPECT_EQ(page.transModeBox()->currentIndex(), 1);
  EXPECT_FALSE(page.constantAlphaBox()->isEnabled());
  EXPECT_EQ(page.xShiftBox()->value(), 12);
  EXPECT_EQ(page.horzAlignBox()->currentIndex(), 0);
  EXPECT_EQ(page.noteBox()->text(), "Remember that glyph images must have the same frame count as the main image");
}

TEST_F(GlyphPageTest, NoneRemovesBothGlyphKeys) {
  FakeEditor editor("Button", "Button");
  GlyphPage page(editor);
  page.slotPanel()->fileList()->setFocus();
  QTest::keyClick(page.slotPanel()->fileList(), Qt::Key_Home);
  EXPECT_FALSE(skinValue("Button", "GlyphImage"));
  EXPECT_FALSE(skinValue("Button", "GlyphBitmap"));
  EXPECT_EQ(skinValue("Button", "Image"), "s\\b.tga");
}

TEST_F(GlyphPageTest, ControlsWriteTheirNumbers) {
  FakeEditor editor("Button", "Button");
  GlyphPage page(editor);
  page.transModeBox()->setCurrentIndex(2);
  EXPECT_EQ(skinValue("Button", "GlyphTransMode"), "2");
  EXPECT_TRUE(page.constantAlphaBox()->isEnabled());
  page.vertAlignBox()->setCurrentIndex(4);
  EXPECT_EQ(skinValue("Button", "GlyphVertAlign"), "4");
  page.yShiftBox()->setValue(30);
  EXPECT_EQ(skinValue("Button", "GlyphYShift"), "30");
  page.minWidthBox()->setValue(16);
  page.minHeightBox()->setValue(17);
  EXPECT_EQ(skinValue("Button", "GlyphMinWidth"), "16");
  EXPECT_EQ(skinValue("Button", "GlyphMinHeight"), "17");
}

class SettingsPageTest : public testing::PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    catalogue("subsections.ini",
              "[StartPanel]\r\nShellUI=1\r\nBackgroundColour=1\r\nTextColour=2\r\n"
              "[Busy]\r\nAnimPage=1\r\n[Strings]\r\nShellUI=1\r\nStringsUI=1\r\nNoImage=1\r\n");
    writePicture("panel.tga");
    temp.write("skins/S/busy.zor", "ZOR");
    openSkin("[StartPanel]\r\nBitmap=s\\panel.tga\r\nPerPixel=1\r\nBackColourR=10\r\nBackColourG=20\r\nBackColourB=30\r\n"
             "[Busy]\r\nImage=s\\busy.zor\r\n");
  }
};

TEST_F(SettingsPageTest, ImageSlotAndAlphaFlag) {
  FakeEditor editor("StartPanel", "StartPanel");
  SettingsPage page(editor);
  EXPECT_TRUE(page.notImplementedLabel()->isHidden());
  EXPECT_EQ(page.slotPanel()->selectedValue(), "s\\panel.tga");
  EXPECT_TRUE(page.alphaBox()->isChecked());
  QTest::mouseClick(page.alphaBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("StartPanel", "PerPixel"), "0");
  page.slotPanel()->fileList()->setFocus();
  QTest::keyClick(page.slotPanel()->fileList(), Qt::Key_Home);
  EXPECT_FALSE(skinValue("StartPanel", "Image"));
  EXPECT_FALSE(skinValue("StartPanel", "Bitmap"));
  EXPECT_EQ(skinValue("StartPanel", "BackColourR"), "10");
  QTest::keyClick(page.slotPanel()->fileList(), Qt::Key_End);
  EXPECT_EQ(skinValue("StartPanel", "Image"), "s\\panel.tga");
  EXPECT_FALSE(skinValue("StartPanel", "Bitmap"));
}

TEST_F(SettingsPageTest, AnimationSectionsListOnlyAnimations) {
  FakeEditor editor("Busy", "Busy");
  SettingsPage page(editor);
  SlotFileList* list = page.slotPanel()->fileList();
  EXPECT_EQ(list->itemText(0), " No Animation defined - section may be optional");
  EXPECT_EQ(list->values(), (std::vector<std::string>{"s\\busy.zor"}));
  EXPECT_EQ(page.slotPanel()->selectedValue(), "s\\busy.zor");
  EXPECT_TRUE(page.slotPanel()->editButton()->isHidden());
  EXPECT_TRUE(page.slotPanel()->menuButton()->isHidden());
  EXPECT_TRUE(page.alphaBox()->isHidden());
  EXPECT_TRUE(page.colourList()->isHidden());
}

TEST_F(SettingsPageTest, UnsupportedSectionsSayTheyAreNotImplemented) {
  FakeEditor editor("Strings", "Strings");
  SettingsPage page(editor);
  EXPECT_FALSE(page.notImplementedLabel()->isHidden());
  EXPECT_TRUE(page.slotPanel()->isHidden());
  EXPECT_TRUE(page.alphaBox()->isHidden());
}

TEST_F(SettingsPageTest, ChangeWritesTheChosenColour) {
  FakeEditor editor("StartPanel", "StartPanel");
  SettingsPage page(editor);
  ASSERT_EQ(page.colourList()->count(), 3);
  EXPECT_EQ(page.colourList()->item(2)->text(), "Text Colour (Mouseover)");
  EXPECT_EQ(page.swatchColour(), QColor(10, 20, 30));

  QColor offered;
  const auto chooser = WhenModal<QColorDialog>([&offered](QColorDialog* dialog) {
    offered = dialog->currentColor();
    dialog->setCurrentColor(QColor(200, 100, 50));
    dialog->accept();
  });
  QTest::mouseClick(page.changeButton(), Qt::LeftButton);
  EXPECT_EQ(offered, QColor(10, 20, 30));
  EXPECT_EQ(skinValue("StartPanel", "BackColourR"), "200");
  EXPECT_EQ(skinValue("StartPanel", "BackColourG"), "100");
  EXPECT_EQ(skinValue("StartPanel", "BackColourB"), "50");
  EXPECT_EQ(page.swatchColour(), QColor(200, 100, 50));
}

TEST_F(SettingsPageTest, PickedColourReplacesOnlyAfterYes) {
  FakeEditor editor("StartPanel", "StartPanel");
  SettingsPage page(editor);
  page.colourList()->setCurrentRow(1);
  {
    ScriptedPrompt no(PromptAnswer::No);
    page.offerPickedColour(QColor(1, 2, 3));
    ASSERT_EQ(no.questions.size(), 1u);
    EXPECT_EQ(no.questions[0].text, "Do you want to replace this colour with the colour you just picked?");
    EXPECT_EQ(no.questions[0].caption, "Replace colour?");
  }
  EXPECT_FALSE(skinValue("StartPanel", "TextColourR"));
  ScriptedPrompt yes(PromptAnswer::Yes);
  page.offerPickedColour(QColor(1, 2, 3));
  EXPECT_EQ(skinValue("StartPanel", "TextColourR"), "1");
  EXPECT_EQ(skinValue("StartPanel", "TextColourB"), "3");
  EXPECT_EQ(page.swatchColour(), QColor(1, 2, 3));
}

}  // namespace
}  // namespace tessera::ui
