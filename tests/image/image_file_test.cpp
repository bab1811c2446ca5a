#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "core/image/picture_holder.h"
#include "core/image/image_file.h"
#include "core/platform/files.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

std::string tgaHeader(int type, int depth, int descriptor, int width, int height, int idLength = 0) {
  std::string h(18, '\0');
  h[0] = static_cast<char>(idLength);
  h[2] = static_cast<char>(type);
  h[12] = static_cast<char>(width & 0xff);
  h[13] = static_cast<char>(width >> 8);
  h[14] = static_cast<char>(height & 0xff);
  h[15] = static_cast<char>(height >> 8);
  h[16] = static_cast<char>(depth);
  h[17] = static_cast<char>(descriptor);
  return h;
}

std::uint32_t le32(const std::string& s, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
  return v;
}

class ImageFileTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
};

TEST_F(ImageFileTest, TgaRoundTripKeepsStraightColourAndZeroesTransparentPixels) {
  auto image = CreateImage(3, 2);
  image->setPixelAt(0, 0, MakePixel(10, 20, 30, 255));
  image->setPixelAt(1, 0, PremultiplyPixel(MakePixel(200, 100, 50, 128)));
  image->setPixelAt(2, 0, MakePixel(90, 90, 90, 0));  // not valid pre-multiplied, still transparent
  image->setPixelAt(0, 1, MakePixel(1, 2, 3, 255));
  const std::string path = temp.file("a.tga");
  ASSERT_TRUE(SaveImageFile(path, *image, false));
  const std::string bytes = temp.read("a.tga");
  ASSERT_EQ(bytes.size(), 18u + 24u);
  EXPECT_EQ(bytes.substr(0, 18), tgaHeader(2, 32, 8, 3, 2));
  // Bottom row first in the file: pixel (0, 1) comes first, straight colour.
  EXPECT_EQ(le32(bytes, 18), MakePixel(1, 2, 3, 255));

  const auto loaded = DecodeTga(path);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->pixelAt(0, 0), MakePixel(10, 20, 30, 255));
  EXPECT_EQ(loaded->pixelAt(2, 0), 0u);
  const std::uint32_t half = UnpremultiplyPixel(loaded->pixelAt(1, 0));
  EXPECT_NEAR(RedOfPixel(half), 50, 4);
  EXPECT_NEAR(BlueOfPixel(half), 200, 4);
  // The caller's picture stays pre-multiplied.
  EXPECT_EQ(image->pixelAt(1, 0), PremultiplyPixel(MakePixel(200, 100, 50, 128)));
}

TEST_F(ImageFileTest, OnlyTheAcceptedTgaKindLoadsAndContentDecides) {
  const std::string pixels(2 * 2 * 4, '\x7f');
  temp.write("ok.png", tgaHeader(2, 32, 8, 2, 2, 3) + "abc" + pixels);
  std::string format;
  const auto ok = LoadImageFile(temp.file("ok.png"), format);
  ASSERT_TRUE(ok);
  EXPECT_EQ(format, "tga");
  EXPECT_EQ(ok->pixelAt(0, 0), PremultiplyPixel(0x7f7f7f7fu));

  const std::string rgb(2 * 2 * 3, '\x40');
  temp.write("rgb.tga", tgaHeader(2, 24, 0, 2, 2) + rgb);
  temp.write("rle.tga", tgaHeader(10, 32, 8, 2, 2) + pixels);
  temp.write("topleft.tga", tgaHeader(2, 32, 40, 2, 2) + pixels);
  temp.write("mapped.tga", tgaHeader(1, 32, 8, 2, 2) + pixels);
  temp.write("huge.bmp", tgaHeader(2, 32, 8, 65535, 65535) + pixels);
  temp.write("empty.tga", tgaHeader(2, 32, 8, 0, 2));
  for (const char* name : {"rgb.tga", "rle.tga", "topleft.tga", "mapped.tga", "huge.bmp", "empty.tga"}) {
    EXPECT_FALSE(DecodeTga(temp.file(name))) << name;
    EXPECT_FALSE(LoadImageFile(temp.file(name))) << name;
  }
  EXPECT_FALSE(LoadImageFile(temp.file("missing.png")));
}

TEST_F(ImageFileTest, TgaShorterThanItsHeaderPromisesLoadsWithTheRestTransparent) {
  // 3 x 2 pixels promised; the bottom row and one byte of the next pixel are there.
  const std::string opaque = std::string("\x10\x20\x30\xff", 4);
  const std::string bottomRow = opaque + opaque + opaque;
  const std::string file = tgaHeader(2, 32, 8, 3, 2, 2) + "id" + bottomRow + "\x55";
  temp.write("short.tga", file);
  for (const auto& loaded : {DecodeTga(temp.file("short.tga")), DecodeTgaData(file), LoadImageData(file)}) {
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->width(), 3);
    ASSERT_EQ(loaded->height(), 2);
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(loaded->pixelAt(x, 1), MakePixel(0x10, 0x20, 0x30, 0xff)) << x;  // bottom row, read
      EXPECT_EQ(loaded->pixelAt(x, 0), 0u) << x;  // top row, missing: transparent
    }
  }
  // A header alone, or one whose identification text runs past the end, gives a transparent image.
  const std::string headerOnly = tgaHeader(2, 32, 8, 2, 2, 200);
  temp.write("header.tga", headerOnly);
  for (const auto& loaded : {DecodeTga(temp.file("header.tga")), DecodeTgaData(headerOnly)}) {
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->pixelAt(0, 0) | loaded->pixelAt(1, 1), 0u);
  }
  EXPECT_FALSE(DecodeTgaData(headerOnly.substr(0, 17)));
}

TEST_F(ImageFileTest, BmpIsTwentyFourBitPaddedAndComposedOverBlack) {
  auto image = CreateImage(3, 2);
  image->setPixelAt(0, 0, PremultiplyPixel(MakePixel(255, 255, 255, 128)));
  image->setPixelAt(2, 1, MakePixel(1, 2, 3, 255));
  const std::string path = temp.file("a.bmp");
  ASSERT_TRUE(SaveImageFile(path, *image, true));
  const std::string bytes = temp.read("a.bmp");
  const std::uint32_t rowBytes = 12;  // 9 bytes padded to a multiple of 4
  ASSERT_EQ(bytes.size(), 54u + 2 * rowBytes);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(le32(bytes, 2), 54u + 2 * rowBytes);
  EXPECT_EQ(le32(bytes, 10), 54u);
  EXPECT_EQ(le32(bytes, 14), 40u);
  EXPECT_EQ(le32(bytes, 18), 3u);
  EXPECT_EQ(le32(bytes, 22), 2u);
  EXPECT_EQ(le32(bytes, 26), 1u | (24u << 16));
  EXPECT_EQ(le32(bytes, 30), 0u);
  EXPECT_EQ(le32(bytes, 34), 2 * rowBytes);
  // Bottom row first: (2, 1) is at offset 6 of the first row.
  EXPECT_EQ(static_cast<unsigned char>(bytes[54 + 6]), 1);
  EXPECT_EQ(static_cast<unsigned char>(bytes[54 + 8]), 3);
  EXPECT_EQ(bytes.substr(54 + 9, 3), std::string(3, '\0'));
  // The top-left pixel, half transparent white, is darkened to 128.
  EXPECT_EQ(static_cast<unsigned char>(bytes[54 + rowBytes]), 128);

  const auto back = LoadImageFile(path);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pixelAt(2, 1), MakePixel(1, 2, 3, 255));
  EXPECT_EQ(back->pixelAt(1, 1), MakePixel(0, 0, 0, 255));  // no alpha in BMP: opaque
}

TEST_F(ImageFileTest, CodecPicturesArePremultipliedAndNamed) {
  QImage opaque(4, 3, QImage::Format_RGB32);
  opaque.fill(QColor(10, 20, 30));
  opaque.setPixelColor(3, 0, QColor(200, 0, 0));
  ASSERT_TRUE(opaque.save(QString::fromStdString(temp.file("opaque.png"))));
  ASSERT_TRUE(opaque.save(QString::fromStdString(temp.file("photo.jpg")), "JPEG", 95));
  std::string format;
  const auto png = LoadImageFile(temp.file("opaque.png"), format);
  ASSERT_TRUE(png);
  EXPECT_EQ(format, "png");
  EXPECT_EQ(png->pixelAt(0, 0), MakePixel(30, 20, 10, 255));
  EXPECT_EQ(png->pixelAt(3, 0), MakePixel(0, 0, 200, 255));
  EXPECT_TRUE(HasAlpha(*png));
  const auto jpeg = LoadImageFile(temp.file("photo.jpg"), format);
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(format, "jpeg");

  // PNG out and back keeps straight colour and alpha.
  auto image = CreateImage(2, 2);
  image->setPixelAt(1, 0, PremultiplyPixel(MakePixel(0, 255, 0, 51)));
  image->setPixelAt(0, 1, MakePixel(5, 6, 7, 255));
  ASSERT_EQ(SaveImagePng(*image, temp.file("out.png")), 0);
  const QImage written(QString::fromStdString(temp.file("out.png")));
  EXPECT_EQ(written.pixelColor(1, 0), QColor(0, 255, 0, 51));
  EXPECT_EQ(written.pixelColor(0, 1), QColor(7, 6, 5, 255));
  EXPECT_NE(SaveImagePng(*image, temp.file("no/such/folder/out.png")), 0);
}

TEST_F(ImageFileTest, KeyedBitmapsAreOpaqueWithMagentaTransparent) {
  QImage bmp(2, 1, QImage::Format_RGB32);
  bmp.setPixelColor(0, 0, QColor(255, 0, 255));
  bmp.setPixelColor(1, 0, QColor(1, 2, 3));
  ASSERT_TRUE(bmp.save(QString::fromStdString(temp.file("piece.bmp"))));
  const auto piece = LoadKeyedBitmap(temp.file("piece.bmp"));
  ASSERT_TRUE(piece);
  EXPECT_EQ(piece->pixelAt(0, 0), 0u);
  EXPECT_EQ(piece->pixelAt(1, 0), MakePixel(3, 2, 1, 255));
  EXPECT_FALSE(LoadKeyedBitmap(""));
  // A ".tga" name is read as TGA only.
  temp.write("fake.tga", temp.read("piece.bmp"));
  EXPECT_FALSE(LoadKeyedBitmap(temp.file("fake.tga")));

  PictureHolder dib;
  EXPECT_EQ(dib.Load(temp.file("piece.bmp")), 0);
  EXPECT_EQ(dib.width(), 2);
  dib.Load(temp.file("missing.bmp"));
  EXPECT_TRUE(dib.isEmpty());
  EXPECT_EQ(dib.height(), 0);
}

TEST_F(ImageFileTest, SavingOverwritesANameInAnotherLetterCase) {
  temp.write("skin/TITLE.TGA", "old");
  auto image = CreateImage(1, 1);
  ASSERT_TRUE(SaveImageFile(temp.file("skin/title.tga"), *image, false));
  EXPECT_EQ(files::listFiles(temp.file("skin")), std::vector<std::string>{"TITLE.TGA"});
  EXPECT_EQ(temp.read("skin/TITLE.TGA").size(), 22u);
  EXPECT_FALSE(SaveImageFile(temp.file("nowhere/x.bmp"), *image, true));
}

}  // namespace
}  // namespace tessera
