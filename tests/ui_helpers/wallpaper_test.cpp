#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "core/skin/wallpapers.h"
#include "ui/skin/wallpaper_dialog.h"
#include "ui_helpers/helpers_fixture.h"

namespace tessera::ui {
namespace {

using testing::CatchNextMessage;
using testing::ScriptedFilePicker;
using testing::WhenModal;

class WallpaperTest : public testing::HelperDialogTest {
 protected:
  void SetUp() override {
    HelperDialogTest::SetUp();
    // The catalogue routes Personality elsewhere: the default wallpaper still belongs to the main file.
    catalogue("subsections.ini", "[Personality]\r\nAlternativeFile=1\r\n");
    writeJpeg("skins/S/Hill.JPG", 300, 200, Qt::darkGreen);
    writeJpeg("skins/S/lake.jpg", 120, 240, Qt::blue);
    temp.write("skins/S/readme.txt", "text");
    openWithJournal("[Personality]\r\nWallPaper=s\\hill.jpg\r\n");
  }
  static QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    return texts;
  }
  static void choose(WallpaperDialog& dialog, int index) {
    dialog.defaultList()->setCurrentIndex(index);
    emit dialog.defaultList()->activated(index);
  }
  void add(WallpaperDialog& dialog, const std::string& path) {
    ScriptedFilePicker picker;
    picker.choose(path);
    dialog.addWallpaper();
    EXPECT_EQ(picker.lastRequest().title, QStringLiteral("Select jpg wallpaper to add to skin folder..."));
  }
  std::optional<std::string> storedWallpaper() const { return skinValue("Personality", "Wallpaper"); }
};

TEST_F(WallpaperTest, ListsTheJpegsAndWritesTheDefaultIntoTheMainFile) {
  WallpaperDialog dialog(SkinDocument::current());
  dialog.show();
  EXPECT_EQ(dialog.thumbnails()->count(), 2);
  EXPECT_EQ(dialog.thumbnails()->iconSize(), QSize(170, 170));
  EXPECT_EQ(entries(dialog.defaultList()), (QStringList{"No wallpaper", "s\\hill.jpg", "s\\lake.jpg"}));
  EXPECT_EQ(dialog.defaultList()->currentIndex(), 1);

  choose(dialog, 2);
  EXPECT_EQ(storedWallpaper(), "s\\lake.jpg");
  EXPECT_EQ(profile::FindValue("Personality", "Wallpaper", Session().companionFiles[0]), std::nullopt);
  EXPECT_EQ(undoText(), QStringLiteral("Default wallpaper lake.jpg"));

  choose(dialog, 0);
  EXPECT_EQ(storedWallpaper(), std::nullopt);
  EXPECT_EQ(profile::FindValue("Personality", "WallPaper", mainFile()), std::nullopt);
}

TEST_F(WallpaperTest, AddsJpegsOnlyAndNeverOverwrites) {
  WallpaperDialog dialog(SkinDocument::current());
  dialog.show();
  add(dialog, writeJpeg("elsewhere/Sea.jpg", 40, 30, Qt::cyan));
  EXPECT_TRUE(files::isFile(temp.file("skins/S/Sea.jpg")));
  EXPECT_EQ(dialog.thumbnails()->count(), 3);
  EXPECT_EQ(dialog.defaultList()->currentText(), QStringLiteral("s\\hill.jpg"));
  EXPECT_EQ(undoText(), QStringLiteral("Add wallpaper Sea.jpg"));

  // A PNG under a .jpg name is refused.
  {
    const std::string png = temp.file("elsewhere/Fake.jpg");
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(png), "PNG"));
    auto message = CatchNextMessage();
    add(dialog, png);
    EXPECT_TRUE(message->shown);
    EXPECT_TRUE(message->text.contains(QStringLiteral("not a JPEG picture")));
  }
  EXPECT_FALSE(files::exists(temp.file("skins/S/Fake.jpg")));
  EXPECT_EQ(dialog.thumbnails()->count(), 3);

  // A wallpaper of the same name stays as it was.
  const std::string before = temp.read("skins/S/lake.jpg");
  add(dialog, writeJpeg("elsewhere/lake.jpg", 10, 10, Qt::yellow));
  EXPECT_EQ(temp.read("skins/S/lake.jpg"), before);
}

TEST_F(WallpaperTest, DeletingAsksAndForgetsADeletedDefault) {
  WallpaperDialog dialog(SkinDocument::current());
  dialog.show();
  dialog.thumbnails()->item(0)->setSelected(true);  // Hill, the default
  {
    auto no = WhenModal<QMessageBox>([](QMessageBox* box) {
      EXPECT_EQ(box->text(), QStringLiteral("Are you sure you want to delete this wallpaper from this skin?"));
      EXPECT_EQ(box->windowTitle(), QStringLiteral("Delete this wallpaper?"));
      EXPECT_EQ(box->icon(), QMessageBox::Question);
      box->button(QMessageBox::No)->click();
    });
    dialog.deleteSelectedWallpaper();
  }
  EXPECT_TRUE(files::isFile(temp.file("skins/S/Hill.JPG")));
  {
    auto yes = WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    dialog.deleteSelectedWallpaper();
  }
  EXPECT_FALSE(files::exists(temp.file("skins/S/Hill.JPG")));
  EXPECT_EQ(dialog.thumbnails()->count(), 1);
  EXPECT_EQ(entries(dialog.defaultList()), (QStringList{"No wallpaper", "s\\lake.jpg"}));
  EXPECT_EQ(storedWallpaper(), std::nullopt);
  EXPECT_EQ(undoText(), QStringLiteral("Delete wallpaper hill.jpg"));

  // One undo step brings back the picture and the key.
  document->undoStack()->undo();
  EXPECT_TRUE(files::isFile(temp.file("skins/S/Hill.JPG")));
  EXPECT_EQ(storedWallpaper(), "s\\hill.jpg");
}

}  // namespace
}  // namespace tessera::ui
