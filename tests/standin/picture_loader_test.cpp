// Pictures decoded through the editor's loader once one is handed over.
#include "core/engine/engine_libraries.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "render_fixture.h"
#include "standin/render/picture_loader.h"

namespace tessera::testing {
namespace {

int loaderCalls = 0;
int lastWidth = 0;
int lastHeight = 0;

// Paints every picture green at the size asked for.
int GreenLoader(const char* path, int width, int height, unsigned char* pixels, int stride) {
  ++loaderCalls;
  lastWidth = width;
  lastHeight = height;
  if (!path) return 0;
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(pixels + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) row[x] = qRgba(0, 255, 0, 255);
  }
  return 1;
}

int FailingLoader(const char*, int, int, unsigned char*, int) {
  ++loaderCalls;
  return 0;
}

class PictureLoaderTest : public RenderTest {
 protected:
  void SetUp() override { loaderCalls = 0; }
  void TearDown() override { render::SetExternalPictureLoader(nullptr); }
};

TEST_F(PictureLoaderTest, SetLoaderDecodesPicturesAtTheirOwnSize) {
  for (const char* name : {"red.tga", "red.bmp", "red.png"}) {
    const std::string slot = writePicture(name, SolidPicture(QSize(12, 7), Qt::red));
    writeSkin("[A]\r\nImage=" + slot + "\r\n");
    renderer.dropPictures();
    render::SetExternalPictureLoader(&GreenLoader);
    loaderCalls = 0;
    QImage out = renderSection("A", QSize(12, 7));
    EXPECT_EQ(loaderCalls, 1) << name;
    EXPECT_EQ(lastWidth, 12) << name;
    EXPECT_EQ(lastHeight, 7) << name;
    EXPECT_TRUE(PixelIs(out, 6, 3, Qt::green)) << name;

    render::SetExternalPictureLoader(nullptr);
    renderer.dropPictures();
    out = renderSection("A", QSize(12, 7));
    EXPECT_TRUE(PixelIs(out, 6, 3, Qt::red)) << name;
  }
}

TEST_F(PictureLoaderTest, AFailingLoaderFallsBackToTheOwnDecoder) {
  const std::string slot = writePicture("red.tga", SolidPicture(QSize(8, 8), Qt::red));
  writeSkin("[A]\r\nImage=" + slot + "\r\n");
  render::SetExternalPictureLoader(&FailingLoader);
  const QImage out = renderSection("A", QSize(8, 8));
  EXPECT_EQ(loaderCalls, 1);
  EXPECT_TRUE(PixelIs(out, 4, 4, Qt::red));
}

TEST_F(PictureLoaderTest, HeaderSizesAreReadAndImplausibleOnesRefused) {
  writePicture("wide.bmp", SolidPicture(QSize(33, 5), Qt::blue));
  EXPECT_EQ(render::PictureFileSize(temp.file("skins/test/wide.bmp")), QSize(33, 5));
  // A TGA header claiming 65535 x 65535 pixels is not handed to the loader.
  std::string header(18, '\0');
  header[2] = 2;
  header[12] = header[13] = header[14] = header[15] = '\xff';
  header[16] = 32;
  temp.write("skins/test/huge.tga", header);
  EXPECT_FALSE(render::PictureFileSize(temp.file("skins/test/huge.tga")).has_value());
  EXPECT_FALSE(render::PictureFileSize(temp.file("skins/test/missing.png")).has_value());
}

TEST_F(PictureLoaderTest, ThePreviewLibraryDrawsThroughTheLoaderItIsHanded) {
  DynamicLibrary module;
  ASSERT_TRUE(module.load(ModulePath(StandinFolder(), "vuzudiv"))) << module.errorString();
  PreviewLibrary preview;
  preview.bind(module);
  const std::string slot = writePicture("red.tga", SolidPicture(QSize(10, 10), Qt::red));
  const std::string uis = writeSkin("[A]\r\nImage=" + slot + "\r\n");
  ASSERT_TRUE(preview.LoadUpSection(uis, "A", 1));
  QImage canvas(10, 10, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::white);
  preview.RenderSection(canvas, VlRect{0, 0, 10, 10}, 1, 0);
  EXPECT_TRUE(PixelIs(canvas, 5, 5, Qt::red));
  // Pictures already decoded are not kept from before the loader.
  preview.SetPointer(&GreenLoader);
  preview.RenderSection(canvas, VlRect{0, 0, 10, 10}, 1, 0);
  EXPECT_TRUE(PixelIs(canvas, 5, 5, Qt::green));
  EXPECT_GE(loaderCalls, 1);
  preview.SetPointer(nullptr);
  preview.RenderSection(canvas, VlRect{0, 0, 10, 10}, 1, 0);
  EXPECT_TRUE(PixelIs(canvas, 5, 5, Qt::red));
}

}  // namespace
}  // namespace tessera::testing
