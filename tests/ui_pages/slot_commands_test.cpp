#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <memory>

#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/shell.h"
#include "support/modal_dialogs.h"
#include "support/scripted_file_picker.h"
#include "ui/import/import_dialog.h"
#include "ui/pages/glyph_page.h"
#include "ui/pages/image_page.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/slot_file_list.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_pages/pages_fixture.h"
#include "ui_sheet/fake_editor.h"

namespace tessera::ui {
namespace {

using testing::CatchNextMessage;
using testing::FakeEditor;
using testing::ScriptedFilePicker;
using testing::WhenModal;

// The folder a picker opens for `request`: its start folder, or the folder of its start file.
QString startFolder(const FilePickerRequest& request) {
  const QFileInfo start(request.startPath);
  return start.isDir() ? start.absoluteFilePath() : start.absolutePath();
}

QStringList menuTexts(ImageSlotPanel* panel) {
  std::unique_ptr<QMenu> menu(panel->buildCommandMenu(nullptr));
  QStringList texts;
  for (QAction* action : menu->actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return texts;
}

class SlotCommandsTest : public testing::PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    writePicture("button.tga", 96, 24);
    openSkin("[Button]\r\nImage=s\\button.tga\r\nTrans=1\r\n");
  }
};

TEST_F(SlotCommandsTest, EachPageOffersItsCommands) {
  FakeEditor editor("Button", "Button");
  ImagePage image(editor);
  EXPECT_EQ(menuTexts(image.slotPanel()),
            (QStringList{"Import", "Frame builder", "Quick import file", "Make copy of file", "Rename file",
                         "Cut from larger graphic", "-", "Flip graphic from Horizontal to Vertical",
                         "Flip graphic from Vertical to Horizontal"}));
  GlyphPage glyph(editor);
  EXPECT_EQ(menuTexts(glyph.slotPanel()),
            (QStringList{"Import", "Frame builder", "Quick import file", "Make copy of file", "Rename file"}));
}

TEST_F(SlotCommandsTest, MakeCopyPointsTheSlotAtTheCopy) {
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  ScriptedFilePicker picker;
  picker.choose(skinFile("Pressed.tga"));
  page.slotPanel()->runCommand(SlotCommand::MakeCopy);
  EXPECT_EQ(picker.lastRequest().title, "Save copy of file as...");
  EXPECT_EQ(picker.lastRequest().mode, PickerMode::Save);
  EXPECT_EQ(skinValue("Button", "Image"), "s\\pressed.tga");
  EXPECT_TRUE(files::isFile(skinFile("Pressed.tga")));
  EXPECT_TRUE(files::isFile(skinFile("button.tga")));
  EXPECT_EQ(page.slotPanel()->selectedValue(), "s\\pressed.tga");
}

TEST_F(SlotCommandsTest, RenameMovesTheFileAndACancelChangesNothing) {
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  ScriptedFilePicker picker;
  picker.cancel().choose(skinFile("normal.tga"));
  page.slotPanel()->runCommand(SlotCommand::Rename);
  EXPECT_EQ(skinValue("Button", "Image"), "s\\button.tga");

  page.slotPanel()->runCommand(SlotCommand::Rename);
  EXPECT_EQ(picker.lastRequest().title, "Rename file to...");
  EXPECT_EQ(skinValue("Button", "Image"), "s\\normal.tga");
  EXPECT_FALSE(files::isFile(skinFile("button.tga")));
  EXPECT_TRUE(files::isFile(skinFile("normal.tga")));
}

TEST_F(SlotCommandsTest, FlipsUseTheFrameCountBox) {
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  page.frameCountBox()->setValue(4);
  page.slotPanel()->runCommand(SlotCommand::FlipToVertical);
  auto flipped = LoadImageFile(skinFile("button.tga"));
  ASSERT_TRUE(flipped);
  EXPECT_EQ(flipped->width(), 24);
  EXPECT_EQ(flipped->height(), 96);
  EXPECT_EQ(skinValue("Button", "Image"), "s\\button.tga");
}

TEST_F(SlotCommandsTest, QuickImportBringsAnOutsidePictureIntoTheSlot) {
  files::createFolders(temp.file("art"));
  writePicture(temp.file("art/Glow.png"));
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  ScriptedFilePicker picker;
  picker.choose(temp.file("art/Glow.png")).choose(temp.file("art/Glow.png"));
  page.slotPanel()->runCommand(SlotCommand::QuickImport);
  EXPECT_EQ(picker.lastRequest().title, "Select image to import...");
  EXPECT_EQ(picker.lastRequest().mode, PickerMode::Open);
  // The picker starts beside the slot's current file, in its on-disk letter case.
  EXPECT_EQ(startFolder(picker.lastRequest()), QString::fromStdString(skinsFolder() + "/S"));
  EXPECT_EQ(skinValue("Button", "Image"), "S\\Glow.tga");
  EXPECT_TRUE(files::isFile(skinFile("Glow.TGA")));
  // The imported TGA carries alpha, so transparency is per pixel now.
  EXPECT_EQ(skinValue("Button", "PerPixel"), "1");
  EXPECT_EQ(profile::FindValue("S\\Glow.tga", "SourceFile", skinFile("reimport.lst")), temp.file("art/Glow.png"));
  EXPECT_EQ(page.slotPanel()->fileList()->currentIndex(),
            1 + FindSlotFile(page.slotPanel()->fileList()->values(), "s\\glow.tga"));

  // The slot now follows its source, so the next import starts in the source's folder.
  page.slotPanel()->runCommand(SlotCommand::QuickImport);
  EXPECT_EQ(startFolder(picker.lastRequest()), QString::fromStdString(temp.file("art")));
}

TEST_F(SlotCommandsTest, QuickImportOfAnUnreadableFileSaysSoAndKeepsTheSlot) {
  temp.write("art/broken.png", "not a picture");
  FakeEditor editor("Button", "Button");
  GlyphPage page(editor);
  ScriptedFilePicker picker;
  picker.choose(temp.file("art/broken.png"));
  auto message = CatchNextMessage();
  page.slotPanel()->runCommand(SlotCommand::QuickImport);
  ASSERT_TRUE(message->shown);
  EXPECT_EQ(message->caption, "Unable to import");
  EXPECT_TRUE(message->text.startsWith("This image appears to be missing, corrupt"));
  EXPECT_FALSE(skinValue("Button", "GlyphImage"));
}

TEST_F(SlotCommandsTest, ACancelledImportChangesNothing) {
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  bool dialogShown = false;
  const auto importShown = WhenModal<ImportDialog>([&dialogShown](ImportDialog* dialog) {
    dialogShown = true;
    dialog->reject();
  });
  page.slotPanel()->runCommand(SlotCommand::Import);
  EXPECT_TRUE(dialogShown);
  EXPECT_EQ(skinValue("Button", "Image"), "s\\button.tga");
  EXPECT_FALSE(page.refreshTimer()->isPending());
}

TEST_F(SlotCommandsTest, EditImageHandsATgaOverAsATemporaryPng) {
  RecordingShell shell;
  InstallShell(&shell);
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  QTest::mouseClick(page.slotPanel()->editButton(), Qt::LeftButton);
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].verb, "edit");
  EXPECT_TRUE(files::isFile(skinFile("TempPngs/button.tga.PNG")));
  EXPECT_NE(shell.calls[0].target.find("TempPngs"), std::string::npos);
  EXPECT_EQ(profile::FindValue("s\\button.tga", "ext", skinFile("reimport.lst")), "PNG");

  // With the empty entry selected there is nothing to edit.
  page.slotPanel()->fileList()->setFocus();
  QTest::keyClick(page.slotPanel()->fileList(), Qt::Key_Home);
  QTest::mouseClick(page.slotPanel()->editButton(), Qt::LeftButton);
  EXPECT_EQ(shell.calls.size(), 1u);
  InstallShell(nullptr);
}

}  // namespace
}  // namespace tessera::ui
