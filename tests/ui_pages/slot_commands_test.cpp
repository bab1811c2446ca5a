#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <memory>

#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/shell.h"
#include "ui/import/import_dialog.h"
#include "ui/pages/glyph_page.h"
#include "ui/pages/image_page.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/slot_file_list.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_pages/pages_fixture.h"
#include "ui_sheet/fake_editor.h"
#include "ui_skin/dialog_test_support.h"

namespace tessera::ui {
namespace {

using testing::CatchNextMessage;
using testing::FakeEditor;
using testing::WhenModal;

// Answers the next file dialog with `path`, and remembers how it was asked. The dialog fills
// its folder view in the background and may overwrite the chosen name meanwhile, so the answer
// is given again until the dialog has closed.
void Answer(QFileDialog* dialog, const QString& path) {
  dialog->selectFile(path);
  if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(path);
  // The dialog's own accept slot, as its "Open" or "Save" button calls it.
  QMetaObject::invokeMethod(dialog, "accept");
  if (dialog->isVisible()) QTimer::singleShot(20, dialog, [dialog, path] { Answer(dialog, path); });
}

struct AskedDialog {
  QString title;
  QString folder;
};

std::shared_ptr<AskedDialog> AnswerFileDialog(const QString& path) {
  auto asked = std::make_shared<AskedDialog>();
  WhenModal<QFileDialog>([path, asked](QFileDialog* dialog) {
    asked->title = dialog->windowTitle();
    asked->folder = dialog->directory().absolutePath();
    Answer(dialog, path);
  });
  return asked;
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
  auto asked = AnswerFileDialog(QString::fromStdString(skinFile("Pressed.tga")));
  page.slotPanel()->runCommand(SlotCommand::MakeCopy);
  EXPECT_EQ(asked->title, "Save copy of file as...");
  EXPECT_EQ(skinValue("Button", "Image"), "s\\pressed.tga");
  EXPECT_TRUE(files::isFile(skinFile("Pressed.tga")));
  EXPECT_TRUE(files::isFile(skinFile("button.tga")));
  EXPECT_EQ(page.slotPanel()->selectedValue(), "s\\pressed.tga");
}

TEST_F(SlotCommandsTest, RenameMovesTheFileAndACancelChangesNothing) {
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  WhenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
  page.slotPanel()->runCommand(SlotCommand::Rename);
  EXPECT_EQ(skinValue("Button", "Image"), "s\\button.tga");

  auto asked = AnswerFileDialog(QString::fromStdString(skinFile("normal.tga")));
  page.slotPanel()->runCommand(SlotCommand::Rename);
  EXPECT_EQ(asked->title, "Rename file to...");
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
  auto asked = AnswerFileDialog(QString::fromStdString(temp.file("art/Glow.png")));
  page.slotPanel()->runCommand(SlotCommand::QuickImport);
  EXPECT_EQ(asked->title, "Select image to import...");
  // The picker starts beside the slot's current file, in its on-disk letter case.
  EXPECT_EQ(asked->folder, QString::fromStdString(skinsFolder() + "/S"));
  EXPECT_EQ(skinValue("Button", "Image"), "S\\Glow.tga");
  EXPECT_TRUE(files::isFile(skinFile("Glow.TGA")));
  // The imported TGA carries alpha, so transparency is per pixel now.
  EXPECT_EQ(skinValue("Button", "PerPixel"), "1");
  EXPECT_EQ(profile::FindValue("S\\Glow.tga", "SourceFile", skinFile("reimport.lst")), temp.file("art/Glow.png"));
  EXPECT_EQ(page.slotPanel()->fileList()->currentIndex(),
            1 + FindSlotFile(page.slotPanel()->fileList()->values(), "s\\glow.tga"));

  // The slot now follows its source, so the next import starts in the source's folder.
  auto again = AnswerFileDialog(QString::fromStdString(temp.file("art/Glow.png")));
  page.slotPanel()->runCommand(SlotCommand::QuickImport);
  EXPECT_EQ(again->folder, QString::fromStdString(temp.file("art")));
}

TEST_F(SlotCommandsTest, QuickImportOfAnUnreadableFileSaysSoAndKeepsTheSlot) {
  temp.write("art/broken.png", "not a picture");
  FakeEditor editor("Button", "Button");
  GlyphPage page(editor);
  AnswerFileDialog(QString::fromStdString(temp.file("art/broken.png")));
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
  WhenModal<ImportDialog>([&dialogShown](ImportDialog* dialog) {
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
