#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>

#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "skinops/scripted_prompt.h"
#include "support/scripted_file_picker.h"
#include "ui/pages/button_actions_page.h"
#include "ui/pages/button_glow_page.h"
#include "ui/pages/button_image_page.h"
#include "ui/pages/button_position_page.h"
#include "ui/pages/button_slider.h"
#include "ui/pages/button_visibility_page.h"
#include "ui/pages/buttons_list_page.h"
#include "ui/pages/frame_button_position_page.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/slot_file_list.h"
#include "ui/sheet/property_sheet.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_pages/pages_fixture.h"
#include "ui_sheet/fake_editor.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;
using testing::ScriptedFilePicker;
using tessera::testing::ScriptedPrompt;

constexpr const char* kThreeButtons =
    "[Personality]\r\nButtonCount=3\r\n[Button0]\r\nButtonImage=s\\close.tga\r\nAction=0\r\n"
    "[Button1]\r\nButtonImage=s\\max.tga\r\nAction=3\r\nInSound=s\\click.wav\r\n"
    "[Button2]\r\nButtonImage=s\\min.tga\r\nAction=15\r\n";

class TitleBarButtonPagesTest : public testing::PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    catalogue("subsections.ini", "[Personality.Buttons]\r\nButtonMode=1\r\n[Caption.Buttons]\r\nButtonMode=1\r\n"
                                 "[WindowFrame.Button1PerPixel]\r\nBasic=1\r\nPosition=1\r\n");
    catalogue("Visibility.ini", "[UIS1Visibility]\r\nAlways=0\r\nActive=1\r\nno equals\r\nMaximized=3\r\nRolled up=13\r\n");
    writePicture("close.tga", 30, 10);
    writePicture("max.tga", 30, 10);
    files::writeAllAtomic(skinFile("Click.WAV"), "RIFF");
    files::writeAllAtomic(skinFile("notes.txt"), "x");
    TitleBarButtonPage::setSelectedButton(-1);
  }
  void open(const char* text, bool personality) {
    openSkin(text);
    Session().hasButtonCount = personality ? 1 : 0;
    Session().hasNoButtonCount = personality ? 0 : 1;
  }
  static QStringList texts(QComboBox* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i) result << list->itemText(i);
    return result;
  }
  static void choose(QComboBox* list, const QString& text) {
    const int row = list->findText(text);
    ASSERT_GE(row, 0) << text.toStdString();
    list->setCurrentIndex(row);
    emit list->activated(row);
  }
};

TEST_F(TitleBarButtonPagesTest, ButtonSectionsGetTheSixPagesInOrder) {
  open(kThreeButtons, true);
  FakeEditor editor("Personality.Buttons", "Personality.Buttons");
  PropertySheet sheet(editor, QString());
  EXPECT_EQ(sheet.pageCaptions(),
            (QStringList{"Buttons", "Image", "Actions", "Position", "Visibility", "Mouseover glow"}));
  EXPECT_NE(qobject_cast<ButtonsListPage*>(sheet.page(0)), nullptr);
  EXPECT_NE(qobject_cast<ButtonGlowPage*>(sheet.page(5)), nullptr);
  FakeEditor frameEditor("WindowFrame.Button1PerPixel", "WindowFrame.Button1PerPixel");
  PropertySheet frameSheet(frameEditor, QStringLiteral("Position"));
  EXPECT_NE(qobject_cast<FrameButtonPositionPage*>(frameSheet.page(frameSheet.activePage())), nullptr);
}

TEST_F(TitleBarButtonPagesTest, ButtonsPageAddsDeletesAndSharesTheSelection) {
  open("[Personality]\r\nName=x\r\n", false);
  FakeEditor editor("Caption.Buttons", "Caption.Buttons");
  ButtonsListPage buttons(editor);
  buttons.activate();
  EXPECT_EQ(buttons.rowList()->count(), 0);
  buttons.addButton()->click();
  buttons.addButton()->click();
  EXPECT_EQ(skinValue("Caption", "ButtonCount"), "2");
  EXPECT_EQ(buttons.rowList()->currentRow(), 1);
  EXPECT_EQ(TitleBarButtonPage::selectedButton(), 1);

  ButtonImagePage image(editor);
  image.activate();
  EXPECT_EQ(image.buttonList()->currentIndex(), 1);
  choose(image.slotPanel()->fileList(), "s\\max.tga");
  EXPECT_EQ(skinValue("Button1", "ButtonImage"), "s\\max.tga");
  EXPECT_TRUE(image.refreshTimer()->isPending());

  {
    ScriptedPrompt no(PromptAnswer::No);
    buttons.deleteButton()->click();
    EXPECT_EQ(no.questions, (std::vector<std::string>{"Are you sure you want to delete this button? | Delete button?"}));
    EXPECT_EQ(skinValue("Caption", "ButtonCount"), "2");
  }
  buttons.rowList()->setCurrentRow(0);
  ScriptedPrompt yes(PromptAnswer::Yes);
  buttons.deleteButton()->click();
  EXPECT_EQ(skinValue("Caption", "ButtonCount"), "1");
  EXPECT_EQ(skinValue("Button0", "ButtonImage"), "s\\max.tga");
  EXPECT_EQ(buttons.rowList()->item(0)->text(), "s\\max.tga");
}

TEST_F(TitleBarButtonPagesTest, ImagePlaceholderRemovesTheKeyAndQuickImportFillsTheSelectedButton) {
  open(kThreeButtons, true);
  files::createFolders(temp.file("art"));
  writePicture(temp.file("art/Glow.png"));
  FakeEditor editor("Personality.Buttons", "Personality.Buttons");
  TitleBarButtonPage::setSelectedButton(2);
  ButtonImagePage image(editor);
  image.activate();
  EXPECT_FALSE(image.transparencyBox()->isVisibleTo(&image));
  EXPECT_EQ(image.frameCountBox()->value(), 3);
  choose(image.slotPanel()->fileList(), " No Image defined - section may be optional");
  EXPECT_FALSE(skinValue("Button2", "ButtonImage"));
  EXPECT_EQ(skinValue("Button1", "ButtonImage"), "s\\max.tga");

  ScriptedFilePicker picker;
  picker.choose(temp.file("art/Glow.png"));
  image.slotPanel()->runCommand(SlotCommand::QuickImport);
  EXPECT_EQ(skinValue("Button2", "ButtonImage"), "S\\Glow.tga");
  EXPECT_EQ(image.buttonList()->itemText(2), "S\\Glow.tga");
}

TEST_F(TitleBarButtonPagesTest, ActionsPageShowsDefaultsAndStoresEachList) {
  open(kThreeButtons, true);
  FakeEditor editor("Personality.Buttons", "Personality.Buttons");
  TitleBarButtonPage::setSelectedButton(1);
  ButtonActionsPage actions(editor);
  actions.activate();
  EXPECT_TRUE(actions.shiftActionList()->isVisibleTo(&actions));
  EXPECT_EQ(actions.shiftActionList()->currentText(), "Help Button");
  EXPECT_EQ(actions.ctrlActionList()->currentText(), "Help Button");
  EXPECT_EQ(texts(actions.pressSoundList()), (QStringList{"No sound", "s\\click.wav"}));
  EXPECT_EQ(actions.pressSoundList()->currentIndex(), 1);
  EXPECT_GE(actions.actionList()->findText("Exclusive Link to toggle"), 0);

  choose(actions.shiftActionList(), "Minimize to system tray");
  EXPECT_EQ(skinValue("Button1", "ShiftAction"), "24");
  EXPECT_FALSE(skinValue("Button1", "CtrlAction"));
  choose(actions.pressSoundList(), "No sound");
  EXPECT_FALSE(skinValue("Button1", "InSound"));
  choose(actions.linkedList(), "s\\min.tga");
  EXPECT_EQ(skinValue("Button1", "LinkedTo"), "2");
  choose(actions.linkedList(), "s\\close.tga");
  EXPECT_FALSE(skinValue("Button1", "LinkedTo"));
  QTest::keyClicks(actions.commandEdit(), "calc");
  EXPECT_EQ(skinValue("Button1", "Command"), "calc");

  // A stored Action the list does not offer selects nothing.
  choose(actions.buttonList(), "s\\min.tga");
  EXPECT_EQ(actions.actionList()->currentIndex(), -1);

  open("[Caption]\r\nButtonCount=1\r\n", false);
  ButtonActionsPage captionActions(editor);
  captionActions.activate();
  EXPECT_FALSE(captionActions.shiftActionList()->isVisibleTo(&captionActions));
  EXPECT_LT(captionActions.actionList()->findText("Link to toggle"), 0);
}

TEST_F(TitleBarButtonPagesTest, PositionPageStoresAnchorOrSideAndTheSizeMode) {
  open("[Personality]\r\nButtonCount=1\r\n[Button0]\r\nAlign=2\r\nWidth=18\r\nHeight=6\r\n", true);
  FakeEditor editor("Personality.Buttons", "Personality.Buttons");
  ButtonPositionPage position(editor);
  position.activate();
  EXPECT_FALSE(position.leftRadio()->isVisibleTo(&position));
  EXPECT_EQ(position.anchorList()->currentText(), "Bottom left of the window");
  EXPECT_TRUE(position.setSizeRadio()->isChecked());
  EXPECT_TRUE(position.widthBox()->isEnabled());
  EXPECT_EQ(position.xBox()->minimum(), -200);
  EXPECT_EQ(position.heightBox()->minimum(), -200);
  EXPECT_EQ(position.yBox()->maximum(), 1000);
  choose(position.anchorList(), "Right of the caption text");
  EXPECT_EQ(skinValue("Button0", "Align"), "9");
  position.imageSizeRadio()->click();
  EXPECT_FALSE(skinValue("Button0", "Width"));
  EXPECT_FALSE(skinValue("Button0", "Height"));
  EXPECT_FALSE(position.widthBox()->isEnabled());
  EXPECT_EQ(position.widthBox()->value(), 0);

  open("[Caption]\r\nButtonCount=1\r\n[Button0]\r\nAlign=1\r\n", false);
  ButtonPositionPage caption(editor);
  caption.activate();
  EXPECT_TRUE(caption.rightRadio()->isChecked());
  EXPECT_FALSE(caption.anchorList()->isVisibleTo(&caption));
  caption.leftRadio()->click();
  EXPECT_EQ(skinValue("Button0", "Align"), "0");
}

TEST_F(TitleBarButtonPagesTest, VisibilityChecksLoadAndStoreInListOrder) {
  open("[Caption]\r\nButtonCount=1\r\n[Button0]\r\nVisibility=3\r\n", false);
  FakeEditor editor("Caption.Buttons", "Caption.Buttons");
  ButtonVisibilityPage visibility(editor);
  visibility.activate();
  QListWidget* list = visibility.conditionList();
  ASSERT_EQ(list->count(), 4);
  // Missing keys read 0, so "Always" shows checked; "Maximized" is Visibility.
  EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(list->item(2)->checkState(), Qt::Checked);
  list->item(3)->setCheckState(Qt::Checked);
  list->item(0)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(profile::ReadSection("Button0", mainFile()), (std::vector<std::string>{"Visibility=3", "Visibility1=13"}));
}

TEST_F(TitleBarButtonPagesTest, GlowPageStoresItsKeysAndShowsSliderValues) {
  open("[Caption]\r\nButtonCount=1\r\n[Button0]\r\nOverlayImage=s\\close.tga\r\nOverlayTimer=3\r\n", false);
  FakeEditor editor("Caption.Buttons", "Caption.Buttons");
  ButtonGlowPage glow(editor);
  glow.activate();
  EXPECT_EQ(glow.slotPanel()->selectedValue(), "s\\close.tga");
  EXPECT_EQ(glow.timerSlider()->valueLabel()->text(), "333.3 fps");
  EXPECT_EQ(glow.fadeSlider()->valueLabel()->text(), "No fade in");
  EXPECT_EQ(glow.xOffsetBox()->minimum(), -100);
  glow.xOffsetBox()->setValue(-12);
  EXPECT_EQ(skinValue("Button0", "OverlayImageXOffset"), "-12");
  glow.fadeSlider()->slider()->setValue(400);
  EXPECT_EQ(skinValue("Button0", "OverlayFadeInTime"), "400");
  EXPECT_EQ(glow.fadeSlider()->valueLabel()->text(), "400 ms");
  glow.frameCountBox()->setValue(4);
  glow.defaultButton()->click();
  EXPECT_EQ(skinValue("Button0", "OverlayFrameCount"), "1");
  choose(glow.slotPanel()->fileList(), " No button glow overlay");
  EXPECT_FALSE(skinValue("Button0", "OverlayImage"));

  // After an import the empty entry reads " None", and choosing it still removes the key.
  WriteSkinString("Button0", "OverlayImage", "s\\close.tga", Session().mainFile);
  emit glow.slotPanel()->slotWrittenByCommand("s\\close.tga");
  EXPECT_EQ(glow.slotPanel()->fileList()->itemText(0), " None");
  EXPECT_EQ(glow.slotPanel()->selectedValue(), "s\\close.tga");
  choose(glow.slotPanel()->fileList(), " None");
  EXPECT_FALSE(skinValue("Button0", "OverlayImage"));
}

TEST_F(TitleBarButtonPagesTest, FramePositionPageFollowsTheNormalPositionWhileNoMaximisedOneIsStored) {
  open("[WindowFrame.Button1PerPixel]\r\nLeftCoord=7\r\nTopCoordMaximized=2\r\nAction=2\r\n", false);
  FakeEditor editor("WindowFrame.Button1PerPixel", "WindowFrame.Button1PerPixel");
  FrameButtonPositionPage page(editor);
  EXPECT_TRUE(page.rightRadio()->isChecked());
  EXPECT_EQ(page.leftMaximizedBox()->value(), 7);
  EXPECT_EQ(page.topMaximizedBox()->value(), 2);
  EXPECT_EQ(page.actionList()->currentText(), "Context Help");
  EXPECT_EQ(page.leftBox()->minimum(), -40);
  page.leftBox()->setValue(20);
  EXPECT_EQ(page.leftMaximizedBox()->value(), 20);
  EXPECT_FALSE(skinValue("WindowFrame.Button1PerPixel", "LeftCoordMaximized"));
  page.topBox()->setValue(9);
  EXPECT_EQ(page.topMaximizedBox()->value(), 2);

  FakeEditor iconEditor("WindowFrame.SystemIconPerPixel", "WindowFrame.SystemIconPerPixel");
  FrameButtonPositionPage icon(iconEditor);
  EXPECT_TRUE(icon.leftRadio()->isChecked());
  EXPECT_FALSE(icon.actionList()->isVisibleTo(&icon));
  EXPECT_FALSE(icon.commandEdit()->isVisibleTo(&icon));
}

TEST_F(TitleBarButtonPagesTest, AMoveIsOneUndoStepThatRestoresTheOrder) {
  open(kThreeButtons, true);
  SkinDocument document(skinsFolder() + "/S");
  FakeEditor editor("Personality.Buttons", "Personality.Buttons");
  ButtonsListPage buttons(editor);
  buttons.activate();
  const std::string before = *files::readAll(mainFile());
  buttons.rowList()->setCurrentRow(2);
  buttons.upButton()->click();
  EXPECT_EQ(skinValue("Button1", "Action"), "15");
  EXPECT_EQ(buttons.rowList()->currentRow(), 1);
  ASSERT_EQ(document.undoStack()->count(), 1);
  EXPECT_EQ(document.undoStack()->undoText(), "Move title-bar button up");
  document.undoStack()->undo();
  EXPECT_EQ(*files::readAll(mainFile()), before);
}

TEST_F(TitleBarButtonPagesTest, RowsOfDamagedPicturesAndCountsStillDraw) {
  files::writeAllAtomic(skinFile("broken.tga"), "not a picture");
  writePicture("dot.tga", 1, 1);
  open("[Caption]\r\nButtonCount=5\r\n[Button0]\r\nButtonImage=s\\broken.tga\r\n[Button1]\r\nButtonImage=s\\dot.tga\r\n"
       "FrameCount=0\r\n[Button2]\r\nButtonImage=s\\close.tga\r\nFrameCount=900\r\n[Button4]\r\nLinkedTo=77\r\n"
       "ButtonImage=s\\gone.tga\r\n",
       false);
  FakeEditor editor("Caption.Buttons", "Caption.Buttons");
  ButtonsListPage buttons(editor);
  buttons.resize(500, 400);
  buttons.activate();
  ASSERT_EQ(buttons.rowList()->count(), 5);
  EXPECT_FALSE(buttons.grab().isNull());
  TitleBarButtonPage::setSelectedButton(4);
  ButtonActionsPage actions(editor);
  actions.activate();
  EXPECT_EQ(actions.linkedList()->currentIndex(), 0);
  EXPECT_FALSE(skinValue("Button3", "ButtonImage"));
}

}  // namespace
}  // namespace tessera::ui
