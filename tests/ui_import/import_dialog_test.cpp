#include <gtest/gtest.h>

#include <QCheckBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/image/image_file.h"
#include "core/image/reimport_list.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_session.h"
#include "sheet/sheet_fixture.h"
#include "support/modal_dialogs.h"
#include "support/scripted_file_picker.h"
#include "ui/import/import_dialog.h"
#include "ui/common/picture_view.h"
#include "ui/strip/frame_builder_dialog.h"
#include "ui/strip/frame_list.h"

namespace tessera::ui {
namespace {

using testing::ScriptedFilePicker;
using testing::WhenModal;

class ImportDialogTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    openSkin("[Button]\r\nImage=S\\Old.bmp\r\n");
  }
  // A picture outside the skin with a translucent column, so it carries alpha.
  std::string writeArt(std::string_view name) const {
    auto image = CreateImage(6, 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 6; ++x) image->setPixelAt(x, y, MakePixel(30, 60, 200, x == 0 ? 90 : 255));
    const std::string path = temp.file("art/" + std::string(name));
    files::createFolders(std::string(paths::parentFolder(path)));
    if (paths::upper(paths::extension(path)) == "PNG") {
      EXPECT_EQ(SaveImagePng(*image, path), 0);
    } else {
      EXPECT_TRUE(SaveImageFile(path, *image, false));
    }
    return path;
  }
  std::string listValue(std::string_view section, std::string_view key) const {
    return profile::ReadString(section, key, "", ReimportListPath());
  }
  // Runs the shown dialog; `drive` acts on it once it is up.
  std::string runShown(ImportDialog& dialog, std::function<void()> drive) {
    const auto shown = WhenModal<ImportDialog>([&dialog, drive = std::move(drive)](ImportDialog* running) {
      EXPECT_EQ(running, &dialog);
      drive();
    });
    return dialog.run();
  }
};

TEST_F(ImportDialogTest, ImportsAPngWithAlphaAsTgaAndTracksItsSource) {
  const std::string source = writeArt("Title.png");
  ImportDialog dialog(nullptr, ImportMode::Full, skinsFolder() + "/S", "");
  const std::string result = runShown(dialog, [&] {
    dialog.pathBox()->setPlainText(QString::fromStdString(source));
    EXPECT_TRUE(dialog.preview()->hasPicture());
    dialog.okButton()->click();
  });
  EXPECT_EQ(result, "S\\Title.tga");
  const auto written = LoadImageFile(temp.file("skins/S/Title.TGA"));
  ASSERT_TRUE(written);
  EXPECT_TRUE(HasAlpha(*written));
  EXPECT_EQ(AlphaOfPixel(written->pixelAt(0, 0)), 90);
  EXPECT_EQ(listValue("S\\Title.tga", "ReimportWhenNeeded"), "1");
  EXPECT_EQ(listValue("S\\Title.tga", "SourceFile"), source);
  EXPECT_EQ(listValue("S\\Title.tga", "Name"), "Title");
  EXPECT_EQ(listValue("S\\Title.tga", "ext"), "PNG");
  const auto time = files::lastWriteTime(source);
  ASSERT_TRUE(time);
  EXPECT_TRUE(StoredTimeEquals("S\\Title.tga", *time, ReimportListPath()));
}

TEST_F(ImportDialogTest, CancelAndUnchosenOkImportNothing) {
  const std::string source = writeArt("Title.png");
  {
    ImportDialog dialog(nullptr, ImportMode::Full, source, "");
    const std::string result = runShown(dialog, [&] {
      dialog.pathBox()->setPlainText(QString::fromStdString(source));
      dialog.cancelButton()->click();
    });
    EXPECT_EQ(result, "");
  }
  {
    // The initial path alone is no choice: OK closes without importing it.
    ImportDialog dialog(nullptr, ImportMode::Full, source, "");
    EXPECT_EQ(runShown(dialog, [&] { dialog.okButton()->click(); }), "");
  }
  EXPECT_FALSE(files::exists(temp.file("skins/S/Title.TGA")));
  EXPECT_FALSE(files::exists(ReimportListPath()));
}

TEST_F(ImportDialogTest, UnreadablePictureWarnsAndKeepsTheDialogOpen) {
  const std::string broken = temp.write("art/Broken.png", "not a picture");
  const std::string good = writeArt("Good.png");
  ImportDialog dialog(nullptr, ImportMode::Full, "", "");
  QString caption;
  const std::string result = runShown(dialog, [&] {
    const auto warning = WhenModal<QMessageBox>([&](QMessageBox* box) {
      caption = box->windowTitle();
      box->reject();
    });
    dialog.pathBox()->setPlainText(QString::fromStdString(broken));
    dialog.okButton()->click();
    // Still open after the message: a second choice goes through.
    EXPECT_TRUE(dialog.isVisible());
    dialog.pathBox()->setPlainText(QString::fromStdString(good));
    dialog.okButton()->click();
  });
  EXPECT_EQ(caption, "Unable to import");
  EXPECT_EQ(result, "S\\Good.tga");
}

TEST_F(ImportDialogTest, ClearedCheckBoxRemovesTheTrackingAndOpeningReadsIt) {
  const std::string source = writeArt("Title.png");
  {
    ImportDialog dialog(nullptr, ImportMode::Full, source, "S\\Title.tga");
    runShown(dialog, [&] {
      dialog.pathBox()->setPlainText(QString::fromStdString(source));
      dialog.okButton()->click();
    });
  }
  ASSERT_EQ(listValue("S\\Title.tga", "SourceFile"), source);
  {
    ImportDialog dialog(nullptr, ImportMode::Full, source, "S\\Title.tga");
    // The list remembers the slot's names; its tracking shows in the check box.
    EXPECT_TRUE(dialog.reimportBox()->isChecked());
    EXPECT_EQ(dialog.state().name, "Title");
    EXPECT_EQ(dialog.state().ext, "PNG");
    const std::string result = runShown(dialog, [&] {
      dialog.reimportBox()->setChecked(false);
      dialog.pathBox()->setPlainText(QString::fromStdString(source));
      dialog.okButton()->click();
    });
    EXPECT_EQ(result, "S\\Title.tga");
  }
  EXPECT_EQ(listValue("S\\Title.tga", "SourceFile"), "");
  profile::WriteString("S\\Title.tga", "ReimportWhenNeeded", "0", ReimportListPath());
  ImportDialog reopened(nullptr, ImportMode::Full, source, "S\\Title.tga");
  EXPECT_FALSE(reopened.reimportBox()->isChecked());
}

TEST_F(ImportDialogTest, BmpSourceStaysBmpAndZorIsCopied) {
  const std::string bmpSource = writeArt("Flat.bmp");
  ImportDialog bmp(nullptr, ImportMode::Full, "", "");
  EXPECT_EQ(runShown(bmp, [&] {
              bmp.pathBox()->setPlainText(QString::fromStdString(bmpSource));
              bmp.okButton()->click();
            }),
            "S\\Flat.bmp");
  EXPECT_TRUE(files::isFile(temp.file("skins/S/Flat.BMP")));

  const std::string zor = temp.write("art/Spin.zor", std::string("ZOR1") + std::string(12, '\0'));
  ImportDialog animation(nullptr, ImportMode::Full, "", "");
  const std::string result = runShown(animation, [&] {
    animation.pathBox()->setPlainText(QString::fromStdString(zor));
    animation.okButton()->click();
  });
  EXPECT_FALSE(result.empty());
  EXPECT_EQ(temp.read("skins/S/Spin.ZOR"), temp.read("art/Spin.zor"));
  // An animation is copied as it is, without a re-import entry.
  EXPECT_EQ(listValue(result, "SourceFile"), "");
}

TEST_F(ImportDialogTest, FrameBuilderModeReimportsThePathWhenTheBuilderSavesNothing) {
  const std::string source = writeArt("Strip.png");
  const auto builder = WhenModal<FrameBuilderDialog>([](FrameBuilderDialog* shown) { shown->reject(); });
  const std::string result = ImportImage(nullptr, ImportMode::FrameBuilder, source, "S\\strip.tga");
  EXPECT_EQ(result, "S\\Strip.tga");
  EXPECT_TRUE(files::isFile(temp.file("skins/S/Strip.TGA")));
}

TEST_F(ImportDialogTest, TheFrameBuilderStartsFromTheSlotsSectionAndTheMenuStartsItEmpty) {
  openSkin("[Button]\r\nImage=S\\Old.bmp\r\nFrameCount=5\r\n");
  const std::string source = writeArt("Strip.png");
  int frames = 0;
  const auto builder = WhenModal<FrameBuilderDialog>([&frames](FrameBuilderDialog* shown) {
    frames = shown->frameList()->count();
    shown->reject();
  });
  ImportImage(nullptr, ImportMode::FrameBuilder, source, "S\\strip.tga", "Button");
  EXPECT_EQ(frames, 5) << "the section's frame count";
}

TEST_F(ImportDialogTest, QuickImportRunsThePickerThenImports) {
  const std::string source = writeArt("Quick.png");
  ScriptedFilePicker picker;
  picker.choose(source).cancel();
  EXPECT_EQ(ImportImage(nullptr, ImportMode::Quick, temp.file("art"), "S\\old.bmp"), "S\\Quick.tga");
  ASSERT_EQ(picker.requests.size(), 1u);
  EXPECT_EQ(picker.requests[0].title, "Select image to import...");
  EXPECT_EQ(picker.requests[0].startPath.toStdString(), temp.file("art"));
  EXPECT_EQ(picker.requests[0].mode, PickerMode::Open);
  EXPECT_TRUE(picker.requests[0].preview);
  EXPECT_EQ(listValue("S\\Quick.tga", "SourceFile"), source);

  // A cancelled picker imports nothing.
  EXPECT_EQ(ImportImage(nullptr, ImportMode::Quick, temp.file("art"), ""), "");
  EXPECT_EQ(picker.requests.size(), 2u);
}

TEST_F(ImportDialogTest, PreviewShrinksLargePicturesButNeverEnlarges) {
  PictureView preview(nullptr, PictureView::Fit::ShrinkOnly);
  preview.resize(200, 150);
  const std::string smallPath = writeArt("Small.png");
  ASSERT_TRUE(preview.setImage(smallPath));
  EXPECT_EQ(preview.pictureRect().size(), preview.picture().size());
  auto big = CreateImage(400, 150);
  const std::string bigPath = temp.file("art/Big.tga");
  ASSERT_TRUE(SaveImageFile(bigPath, *big, false));
  preview.setImage(bigPath);
  EXPECT_EQ(preview.pictureRect(), QRect(0, 37, 200, 75));
  preview.setImage(temp.file("art/none.png"));
  EXPECT_FALSE(preview.hasPicture());
}

}  // namespace
}  // namespace tessera::ui
