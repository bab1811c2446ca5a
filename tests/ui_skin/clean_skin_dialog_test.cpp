#include "ui/skin/clean_skin_dialog.h"

#include <gtest/gtest.h>

#include <QTest>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/platform/files.h"
#include "dialog_test_support.h"
#include "support/eventually.h"
#include "ui/common/picture_view.h"

namespace tessera::ui {
namespace {

using testing::ScriptedPrompt;

class CleanSkinDialogTest : public testing::DialogTest {
 protected:
  // A real 4 x 3 picture, so that the preview has something to show.
  void writePicture(const std::string& relative, QColor colour) {
    QImage image(4, 3, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    ASSERT_TRUE(SaveImageFile(temp.file(relative), *FromQImage(image), false));
  }
  void clickRow(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  }
};

TEST_F(CleanSkinDialogTest, SkinWithoutLeftOversShowsTheEmptyState) {
  writeSkin("Neat", "[Buttons]\r\nImage=Neat\\CLOSE.TGA\r\n");
  writePicture("skins/Neat/close.tga", Qt::red);
  temp.write("skins/Neat/unused.png", "png");  // never a candidate
  CleanSkinDialog dialog(SkinDocument::current(), skinsFolder(), "Neat");
  EXPECT_EQ(dialog.windowTitle(), "Clean skin");
  dialog.show();
  EXPECT_FALSE(dialog.scanned());  // the scan waits a moment after opening
  ASSERT_EVENTUALLY(dialog.scanned());

  EXPECT_FALSE(dialog.list()->isVisible());
  EXPECT_FALSE(dialog.preview()->isVisible());
  EXPECT_FALSE(dialog.selectAllButton()->isVisible());
  EXPECT_FALSE(dialog.selectNoneButton()->isVisible());
  EXPECT_FALSE(dialog.deleteButton()->isVisible());
  EXPECT_EQ(dialog.cancelButton()->text(), "Close");
  EXPECT_TRUE(dialog.emptyState()->isVisible());
  auto* text = dialog.emptyState()->findChild<QLabel*>(QStringLiteral("emptyText"));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(), "This skin has no left over images");
}

TEST_F(CleanSkinDialogTest, SelectionDecidesWhatMovesToTheBackupFolder) {
  writeSkin("Messy", "[Buttons]\r\nImage=messy\\used.tga\r\n");
  writePicture("skins/Messy/used.tga", Qt::red);
  writePicture("skins/Messy/old.tga", Qt::green);
  writePicture("skins/Messy/older.bmp", Qt::blue);
  CleanSkinDialog dialog(SkinDocument::current(), skinsFolder(), "Messy");
  dialog.show();
  dialog.scanNow();

  ASSERT_EQ(dialog.list()->count(), 2);
  EXPECT_EQ(dialog.list()->item(0)->text(), "messy\\old.tga");
  EXPECT_EQ(dialog.list()->item(1)->text(), "messy\\older.bmp");
  EXPECT_EQ(dialog.list()->selectedItems().size(), 2);
  EXPECT_TRUE(dialog.deleteButton()->isEnabled());
  // The first picture is shown.
  ASSERT_FALSE(dialog.preview()->picture().isNull());
  EXPECT_EQ(dialog.preview()->picture().pixelColor(1, 1), QColor(Qt::green));

  QTest::mouseClick(dialog.selectNoneButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog.deleteButton()->isEnabled());
  QTest::mouseClick(dialog.selectAllButton(), Qt::LeftButton);
  EXPECT_TRUE(dialog.deleteButton()->isEnabled());

  clickRow(dialog.list(), 1);  // keeps older.bmp out of the move
  EXPECT_EQ(dialog.list()->selectedItems().size(), 1);
  EXPECT_EQ(dialog.preview()->picture().pixelColor(1, 1), QColor(Qt::blue));

  ScriptedPrompt prompt(PromptAnswer::Yes);
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  EXPECT_TRUE(files::isFile(temp.file("skins/Messy/backup/old.tga")));
  EXPECT_FALSE(files::exists(temp.file("skins/Messy/old.tga")));
  EXPECT_TRUE(files::isFile(temp.file("skins/Messy/older.bmp")));
  EXPECT_TRUE(files::isFile(temp.file("skins/Messy/used.tga")));
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].text,
            "The surplus images have been moved to a backup folder in the skin directory.\n\nYou may delete these if "
            "you like.");
  EXPECT_EQ(prompt.messages[0].caption, "Images removed");
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace tessera::ui
