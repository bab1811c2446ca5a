#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include "core/image/image_file.h"
#include "core/image/zor_file.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

class ImageCliTest : public ::testing::Test {
 protected:
  CliRun run(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TESSERA_REGISTRY", QString::fromStdString(temp.file("registry")));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TESSERA_CLI_PATH), args);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
  }
  QString path(const std::string& name) { return QString::fromStdString(temp.file(name)); }
  testing::TempDir temp;
};

TEST_F(ImageCliTest, InfoAndConvert) {
  QImage png(5, 3, QImage::Format_RGB32);
  png.fill(QColor(1, 2, 3));
  ASSERT_TRUE(png.save(path("a.png")));
  EXPECT_EQ(run({"image", "info", path("a.png")}).out, "5x3 alpha png\n");
  EXPECT_EQ(run({"image", "convert", path("a.png"), path("a.tga")}).status, 0);
  EXPECT_EQ(run({"image", "info", path("a.tga")}).out, "5x3 alpha tga\n");
  auto clear = CreateImage(2, 2);
  temp.write("clear.tga", EncodeTga(*clear));
  EXPECT_EQ(run({"image", "info", path("clear.tga")}).out, "2x2 noalpha tga\n");
  EXPECT_EQ(run({"image", "convert", path("clear.tga"), path("clear.bmp")}).status, 0);
  EXPECT_EQ(LoadImageFile(temp.file("clear.bmp"))->pixelAt(0, 0), MakePixel(255, 0, 255, 255));
  const CliRun bad = run({"image", "info", path("missing.png")});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("cannot read"), std::string::npos);
  EXPECT_EQ(run({"image", "convert", path("a.png"), path("a.gif")}).status, 2);
}

TEST_F(ImageCliTest, StripsAndZor) {
  auto strip = CreateImage(8, 4 * 6);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 8; ++x) strip->setPixelAt(x, y, MakePixel(x * 30, y * 10, 99, y < 12 ? 255 : 0));
  temp.write("anim.tga", EncodeTga(*strip));
  EXPECT_EQ(run({"zor", "encode", path("anim.tga"), "6", "--quality", "0"}).out, temp.file("anim.ZOR") + "\n");
  EXPECT_EQ(run({"zor", "info", path("anim.ZOR")}).out.substr(0, 33), "width 8\nheight 4\nframes 6\nstream ");
  EXPECT_EQ(run({"zor", "decode", path("anim.ZOR"), "-o", path("f1.png"), "--frame", "1"}).status, 0);
  const auto frame = LoadImageFile(temp.file("f1.png"));
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->width(), 8);
  EXPECT_EQ(AlphaOfPixel(frame->pixelAt(0, 0)), 255);
  EXPECT_EQ(run({"zor", "decode", path("anim.ZOR"), "-o", path("frames"), "--all"}).status, 0);
  EXPECT_EQ(files::listFiles(temp.file("frames")).size(), 6u);
  EXPECT_EQ(AlphaOfPixel(LoadImageFile(temp.file("frames/5.png"))->pixelAt(0, 0)), 0);
  temp.write("bad.zor", "ZOR1");
  EXPECT_EQ(run({"zor", "info", path("bad.zor")}).status, 1);
  EXPECT_EQ(run({"zor", "encode", path("anim.tga"), "7", "-o", path("x.zor")}).status, 0);

  EXPECT_EQ(run({"strip", "to-horizontal", path("anim.tga"), "6"}).status, 0);
  EXPECT_EQ(run({"image", "info", path("anim.tga")}).out, "48x4 alpha tga\n");
  EXPECT_EQ(run({"strip", "to-vertical", path("anim.tga"), "6"}).status, 0);
  EXPECT_EQ(run({"image", "info", path("anim.tga")}).out, "8x24 alpha tga\n");
  EXPECT_EQ(run({"strip", "to-vertical", path("missing.tga"), "6"}).status, 1);
}

TEST_F(ImageCliTest, SkinReimportRunsThePass) {
  temp.write("skins/Demo/Demo.uis", "[Personality]\r\n");
  QImage png(3, 3, QImage::Format_ARGB32);
  png.fill(QColor(5, 6, 7, 200));
  files::createFolders(temp.file("art"));
  ASSERT_TRUE(png.save(path("art/Logo.png")));
  const std::string list = temp.file("skins/Demo/reimport.lst");
  profile::WriteString("Demo\\Logo.tga", "ReimportWhenNeeded", "1", list);
  profile::WriteString("Demo\\Logo.tga", "SourceFile", temp.file("art/Logo.png"), list);
  profile::WriteString("Demo\\Logo.tga", "Name", "Logo", list);
  profile::WriteString("Demo\\Logo.tga", "ext", "PNG", list);
  const CliRun first = run({"skin", "reimport", "Demo", "--skins", path("skins")});
  EXPECT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, temp.file("skins/Demo/Logo.TGA") + "\n");
  EXPECT_EQ(run({"skin", "reimport", "Demo", "--skins", path("skins")}).out, "");
  EXPECT_EQ(run({"skin", "reimport", "Nope", "--skins", path("skins")}).status, 1);
}

}  // namespace
}  // namespace tessera
