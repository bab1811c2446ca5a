#include "ui/common/picture_view.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QImage>
#include <QSplitter>
#include <cstdint>
#include <string>

#include "core/image/picture_fit.h"
#include "support/temp_dir.h"
#include "ui/common/file_picker.h"

namespace tessera::ui {
namespace {

const QColor kGrey(192, 192, 192);

std::string le16(int value) { return {static_cast<char>(value & 0xff), static_cast<char>((value >> 8) & 0xff)}; }

// The header of an uncompressed 32-bit TGA of the given size, without its pixels.
std::string tgaHeader(int width, int height) {
  return std::string("\0\0\2\0\0\0\0\0\0\0\0\0", 12) + le16(width) + le16(height) + std::string("\x20\x08", 2);
}

std::uint32_t crc32(const std::string& bytes) {
  std::uint32_t crc = 0xffffffffu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string be32(std::uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
          static_cast<char>(value)};
}

// A PNG that announces `side` x `side` RGBA pixels and holds none of them.
std::string hugePngHeader(std::uint32_t side) {
  const std::string ihdr = "IHDR" + be32(side) + be32(side) + std::string("\x08\x06\x00\x00\x00", 5);
  return std::string("\x89PNG\r\n\x1a\n", 8) + be32(13) + ihdr + be32(crc32(ihdr));
}

class PictureViewTest : public testing::EnvironmentTest {
 protected:
  // A 40 x 10 picture: opaque red on the left half, half-transparent blue on the right.
  std::string writePicture(const std::string& name) {
    QImage image(40, 10, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0));
    for (int y = 0; y < 10; ++y)
      for (int x = 20; x < 40; ++x) image.setPixelColor(x, y, QColor(0, 0, 255, 128));
    const std::string path = temp.write(name, "");
    image.save(QString::fromStdString(path), "PNG");
    return path;
  }
};

TEST_F(PictureViewTest, DrawsThePictureFittedOverGreyWithItsAlpha) {
  PictureView view;
  view.resize(202, 102);
  ASSERT_TRUE(view.setImage(writePicture("wide.png")));
  // 40 x 10 in a 200 x 100 inset: enlarged to 200 x 50, centred down.
  EXPECT_EQ(view.pictureRect(), QRect(1, 26, 200, 50));
  EXPECT_EQ(view.pictureRect(), FitPictureInView(view.size(), QSize(40, 10)));
  const QImage shown = view.grab().toImage();
  EXPECT_EQ(shown.pixelColor(100, 10), kGrey);        // above the picture
  EXPECT_EQ(shown.pixelColor(50, 50), QColor(255, 0, 0));
  const QColor blended = shown.pixelColor(150, 50);   // half blue over grey
  EXPECT_NEAR(blended.red(), 96, 2);
  EXPECT_NEAR(blended.blue(), 224, 2);
  view.clear();
  EXPECT_FALSE(view.hasPicture());
  EXPECT_EQ(view.grab().toImage().pixelColor(50, 50), kGrey);
}

// Files that cannot be shown leave the view empty and painting it harmless.
TEST_F(PictureViewTest, DamagedEmptyZeroSizedAndHugePicturesShowNothing) {
  temp.write("damaged.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDRjunk", 21));
  temp.write("empty.png", "");
  temp.write("zero.tga", tgaHeader(0, 0));
  temp.write("zero-wide.tga", tgaHeader(0, 40) + std::string(16, '\xff'));
  temp.write("huge.tga", tgaHeader(16384, 16384) + std::string(64, '\x7f'));
  temp.write("huge.png", hugePngHeader(16384));
  PictureView view;
  view.resize(120, 90);
  ASSERT_TRUE(view.setImage(writePicture("good.png")));
  for (const char* name :
       {"damaged.png", "empty.png", "zero.tga", "zero-wide.tga", "huge.tga", "huge.png", "none.bmp"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(view.setImage(temp.file(name)));
    EXPECT_FALSE(view.hasPicture());
    EXPECT_TRUE(view.pictureRect().isEmpty());
    EXPECT_EQ(view.grab().toImage().pixelColor(60, 45), kGrey);
  }
  EXPECT_FALSE(view.setImage(""));
  // A view with no room at all paints nothing, picture or not.
  ASSERT_TRUE(view.setImage(temp.file("good.png")));
  view.setMinimumSize(0, 0);
  view.resize(1, 1);
  EXPECT_TRUE(view.pictureRect().isEmpty());
  view.grab();
}

TEST_F(PictureViewTest, ShrinkOnlyViewIsWhiteAndNeverEnlarges) {
  PictureView view(nullptr, PictureView::Fit::ShrinkOnly);
  view.resize(200, 150);
  ASSERT_TRUE(view.setImage(writePicture("wide.png")));
  EXPECT_EQ(view.pictureRect(), QRect(80, 70, 40, 10));
  EXPECT_EQ(view.grab().toImage().pixelColor(5, 5), QColor(Qt::white));
}

// The file dialog's preview sits under the file list, follows the file under the cursor and is
// cleared when the dialog enters another folder.
TEST_F(PictureViewTest, FileDialogPreviewFollowsTheCurrentFile) {
  const std::string picture = writePicture("pick/wide.png");
  for (QFileDialog::AcceptMode mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    PictureView* preview = AddPicturePreview(dialog);
    dialog.show();
    // The file list and the folder tree share the dialog's splitter.
    const QSplitter* files = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
    ASSERT_NE(files, nullptr);
    EXPECT_GE(preview->mapTo(&dialog, QPoint(0, 0)).y(), files->mapTo(&dialog, QPoint(0, files->height())).y());
    EXPECT_GE(preview->width(), dialog.width() / 2);
    // The list keeps its room: the dialog grew by the preview.
    EXPECT_GE(files->height(), 150);

    emit dialog.currentChanged(QString::fromStdString(picture));
    EXPECT_TRUE(preview->hasPicture());
    emit dialog.currentChanged(QString::fromStdString(temp.file("pick")));  // a folder
    EXPECT_FALSE(preview->hasPicture());
    emit dialog.currentChanged(QString::fromStdString(picture));
    emit dialog.directoryEntered(QString::fromStdString(temp.path()));
    EXPECT_FALSE(preview->hasPicture());
    dialog.reject();
  }
}

}  // namespace
}  // namespace tessera::ui
