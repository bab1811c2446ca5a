#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "core/pages/texture_keys.h"
#include "texture_fixture.h"
#include "ui/textures/texture_dialog.h"
#include "ui/textures/texture_list.h"
#include "ui/textures/texture_picker.h"

namespace tessera::ui {
namespace {

using TextureDialogTest = TextureSkinTest;

QStringList rowTexts(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

TEST_F(TextureDialogTest, ListsHoldTheSkinPicturesAndSelectTheStoredTexture) {
  openSkin("[Taskbar.Texture]\r\nImage=S\\Bar.TGA\r\n");
  writePicture("Bar.tga", Qt::blue);
  writePicture("anim.zor", Qt::red);
  writePicture("back.bmp", Qt::green);
  writePicture("photo.png", Qt::green);
  document->commitPendingStep();
  const int steps = document->undoStack()->count();
  TextureDialog dialog(SkinDocument::current());
  const QStringList expected{QString::fromLatin1(kNoTextureText), "s\\anim.zor", "s\\back.bmp", "s\\bar.tga"};
  EXPECT_EQ(rowTexts(dialog.taskbarPicker()->list()), expected);
  EXPECT_EQ(rowTexts(dialog.startMenuPicker()->list()), expected);
  // The stored value is found whatever its letter case; no stored value selects the first entry.
  EXPECT_EQ(dialog.taskbarPicker()->list()->currentRow(), 3);
  EXPECT_EQ(dialog.startMenuPicker()->list()->currentRow(), 0);
  // Filling the lists writes nothing.
  EXPECT_EQ(document->undoStack()->count(), steps);
}

TEST_F(TextureDialogTest, ChoosingWritesTheImageAndTheNoTextureEntryRemovesTheWholeSection) {
  openSkin("[Taskbar.Texture]\r\nImage=s\\bar.tga\r\nTile=1\r\n[StartMenu.Texture]\r\nImage=s\\bar.tga\r\n");
  writePicture("bar.tga", Qt::blue);
  writePicture("menu.tga", Qt::red);
  TextureDialog dialog(SkinDocument::current());
  TextureList* taskbar = dialog.taskbarPicker()->list();
  taskbar->setCurrentRow(2);
  EXPECT_EQ(skinValue("Taskbar.Texture", "Image"), "s\\menu.tga");
  EXPECT_TRUE(dialog.isRefreshPending());
  taskbar->setCurrentRow(0);
  EXPECT_FALSE(hasSection("Taskbar.Texture"));
  EXPECT_EQ(skinValue("Taskbar.Texture", "Tile"), "<none>");
  // The other list's section is untouched.
  EXPECT_EQ(skinValue("StartMenu.Texture", "Image"), "s\\bar.tga");
  dialog.flushRefresh();
  EXPECT_FALSE(dialog.isRefreshPending());
}

TEST_F(TextureDialogTest, DamagedEmptyAndHugePicturesAreListedAndDrawnAsFarAsTheyCan) {
  openSkin("[StartMenu.Texture]\r\nImage=s\\good.tga\r\n");
  writePicture("good.tga", Qt::blue, QSize(40, 40));
  writeBytes("empty.tga", "");
  writeBytes("garbage.bmp", std::string(300, '\x7f'));
  // A TGA header that promises 16384 x 16384 pixels, with a few bytes of them.
  std::string huge(18, '\0');
  huge[2] = 2;
  huge[12] = 0x00; huge[13] = 0x40; huge[14] = 0x00; huge[15] = 0x40;
  huge[16] = 32; huge[17] = 8;
  writeBytes("huge.tga", huge + std::string(64, '\x40'));
  // A TGA whose header says 0 x 0.
  std::string zero(18, '\0');
  zero[2] = 2; zero[16] = 32; zero[17] = 8;
  writeBytes("zero.tga", zero);
  TextureDialog dialog(SkinDocument::current());
  dialog.show();
  TextureList* list = dialog.startMenuPicker()->list();
  ASSERT_EQ(list->count(), 6);
  for (const std::string& value : list->values()) {
    const QImage& row = list->rowPicture(value);
    if (value == "s\\good.tga") {
      // Clipped to the row height less 4.
      ASSERT_FALSE(row.isNull());
      EXPECT_EQ(row.size(), QSize(40, TextureList::kRowHeight - 4));
      EXPECT_EQ(row.pixelColor(3, 3), QColor(Qt::blue));
    } else {
      EXPECT_TRUE(row.isNull() || row.width() <= 600) << value;
    }
  }
  // Every row paints (damaged pictures as text only).
  EXPECT_FALSE(list->viewport()->grab().isNull());
  list->setCurrentRow(2);  // a damaged picture can still be chosen
  EXPECT_EQ(skinValue("StartMenu.Texture", "Image"), list->values()[1]);
}

TEST_F(TextureDialogTest, RowsShowThePictureAtTheLeftAndTheNameFromTheMiddle) {
  openSkin("");
  writePicture("a.tga", QColor(0, 200, 0), QSize(30, 30));
  TextureDialog dialog(SkinDocument::current());
  dialog.resize(800, 600);
  dialog.show();
  TextureList* list = dialog.startMenuPicker()->list();
  const QRect row = list->visualItemRect(list->item(1));
  const QImage shot = list->viewport()->grab().toImage();
  // Picture from 5 pixels in, vertically centred and clipped to 21 pixels.
  EXPECT_EQ(shot.pixelColor(row.left() + 6, row.center().y()), QColor(0, 200, 0));
  EXPECT_EQ(shot.pixelColor(row.left() + 6, row.top() + 1), shot.pixelColor(row.left() + 60, row.top() + 1));
  EXPECT_EQ(row.height(), TextureList::kRowHeight);
}

TEST_F(TextureDialogTest, MenuOffersEveryPictureCommandAndFlipsRewriteTheSelectedPicture) {
  openSkin("[Taskbar.Texture]\r\nImage=s\\strip.tga\r\n");
  writePicture("strip.tga", Qt::blue, QSize(20, 4));
  TextureDialog dialog(SkinDocument::current());
  std::unique_ptr<QMenu> menu(dialog.taskbarPicker()->buildCommandMenu(nullptr));
  QStringList texts;
  for (QAction* action : menu->actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  EXPECT_EQ(texts, (QStringList{"Import", "Frame builder", "Quick import file", "Make copy of file", "Rename file",
                                "Cut from larger graphic", "-", "Flip graphic from Horizontal to Vertical",
                                "Flip graphic from Vertical to Horizontal"}));
  dialog.taskbarPicker()->runCommand(TextureCommand::FlipToVertical);
  const auto flipped = LoadImageFile(paths::join(paths::join(skinsFolder(), "S"), "strip.tga"));
  ASSERT_TRUE(flipped);
  // One frame: the picture stays as it is in size, the texture key is not changed.
  EXPECT_EQ(flipped->width(), 20);
  EXPECT_EQ(skinValue("Taskbar.Texture", "Image"), "s\\strip.tga");
  EXPECT_TRUE(dialog.isRefreshPending());
}

// The band is the taskbar and start menu drawn by the preview library from the stored texture.
TEST_F(TextureDialogTest, PreviewBandShowsTheStoredTaskbarTexture) {
  openSkin("[Taskbar.Texture]\r\nImage=s\\bar.tga\r\n[StartMenu.Texture]\r\nImage=s\\menu.tga\r\n");
  writePicture("bar.tga", QColor(0, 0, 255));
  writePicture("menu.tga", QColor(255, 0, 0));
  bindPreview();
  TextureDialog dialog(SkinDocument::current());
  dialog.resize(800, 600);
  dialog.show();
  QImage band = dialog.previewBand()->render();
  const int barTop = band.height() - 30;
  EXPECT_EQ(band.pixelColor(band.width() / 2, barTop), QColor(0, 0, 255));
  // The start menu's user pane (inside the menu's 8-pixel margin) is the menu texture.
  EXPECT_EQ(band.pixelColor(12, 12), QColor(255, 0, 0));
  // The no-texture entry takes the texture away; after the refresh the band draws without it.
  dialog.taskbarPicker()->list()->setCurrentRow(0);
  dialog.flushRefresh();
  band = dialog.previewBand()->render();
  EXPECT_NE(band.pixelColor(band.width() / 2, barTop), QColor(0, 0, 255));
}

}  // namespace
}  // namespace tessera::ui
