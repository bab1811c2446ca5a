// The preview library module as the editor binds it: loading a skin, colours, previews and
// per-section rendering through the bound operations.
#include <QPainter>
#include <algorithm>
#include <iterator>

#include "core/engine/engine_libraries.h"
#include "core/platform/environment.h"
#include "core/platform/profile.h"
#include "core/platform/system_colours.h"
#include "render_fixture.h"

namespace tessera::testing {
namespace {

class PreviewLibraryTest : public RenderTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module.load(ModulePath(StandinFolder(), "vuzudiv"))) << module.errorString();
    preview.bind(module);
  }
  DynamicLibrary module;
  PreviewLibrary preview;
};

int changedPixels(const QImage& image, QRgb background) {
  int changed = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) changed += image.pixel(x, y) != background ? 1 : 0;
  }
  return changed;
}

TEST_F(PreviewLibraryTest, ColoursComeFromTheSkinWithThePlatformAsFallBack) {
  const std::string uis = writeSkin("[Colours]\r\nButtonFace=10 20 30\r\nWindow=1, 2, 3\r\nMenuBar=9 9 9\r\n");
  preview.LoadUISFile(uis);
  EXPECT_EQ(preview.GetColourVal(15, 0), MakeColorRef(10, 20, 30));
  EXPECT_EQ(preview.GetColourVal(5, 0), MakeColorRef(1, 2, 3));
  EXPECT_EQ(preview.GetColourVal(8, 0), PlatformSystemColour(8));
  // The colour read by index knows no key for the menu bar.
  EXPECT_EQ(preview.GetColourVal(30, 0), PlatformSystemColour(30));
}

TEST_F(PreviewLibraryTest, PreviewsAndFramesDrawTheSkinAndReadEditsAtOnce) {
  const std::string button = writePicture("button.png", SolidPicture(QSize(50, 20), QColor(0, 90, 0)));
  const std::string uis = writeSkin("[Buttons]\r\nImage=" + button + "\r\nFrameCount=5\r\n[Colours]\r\nButtonFace=1 2 3\r\n");
  preview.LoadUISFile(uis);
  QImage canvas(400, 300, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::white);
  preview.DrawPreview(canvas, VlRect{0, 0, 400, 300}, 1, 1, "Buttons");
  EXPECT_GT(changedPixels(canvas, qRgb(255, 255, 255)), 500);
  bool sawButton = false;
  for (int y = 0; y < 300 && !sawButton; ++y) {
    for (int x = 0; x < 400 && !sawButton; ++x) sawButton = canvas.pixel(x, y) == qRgb(0, 90, 0);
  }
  EXPECT_TRUE(sawButton);

  // Every preview kind draws without failing, in every state the editor passes.
  for (int kind = 1; kind <= 41; ++kind) {
    for (int state : {-1, 0, 1, 3, 8}) {
      QImage surface(300, 200, QImage::Format_ARGB32_Premultiplied);
      surface.fill(Qt::white);
      preview.DrawPreview(surface, VlRect{0, 0, 300, 200}, kind, state);
    }
  }

  QImage window(300, 200, QImage::Format_ARGB32_Premultiplied);
  window.fill(Qt::white);
  preview.DrawWindowFrameOwn2(window, VlRect{0, 0, 300, 200}, 0, "Title");
  EXPECT_GT(changedPixels(window, qRgb(255, 255, 255)), 300 * 200 / 5);
  EXPECT_EQ(window.pixel(150, 190), qRgb(1, 2, 3));  // client area in the skin's button face

  // An edit on disk shows at the next drawing.
  profile::WriteString("Colours", "ButtonFace", "200 100 50", uis);
  window.fill(Qt::white);
  preview.DrawWindowFrameOwn2(window, VlRect{0, 0, 300, 200}, 0, "Title");
  EXPECT_EQ(window.pixel(150, 190), qRgb(200, 100, 50));
}

bool containsColour(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == colour) return true;
    }
  }
  return false;
}

TEST_F(PreviewLibraryTest, TheEditedSectionShowsThePreviewState) {
  QImage strip(5 * 40, 20, QImage::Format_ARGB32);
  const QRgb frames[5] = {qRgb(10, 0, 0), qRgb(20, 0, 0), qRgb(30, 0, 0), qRgb(40, 0, 0), qRgb(50, 0, 0)};
  for (int i = 0; i < 5; ++i) QPainter(&strip).fillRect(i * 40, 0, 40, 20, QColor(frames[i]));
  const std::string uis = writeSkin("[Buttons.Flat]\r\nImage=" + writePicture("flat.png", strip) + "\r\nFrameCount=5\r\n");
  preview.LoadUISFile(uis);
  QImage canvas(400, 300, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::white);
  preview.DrawPreview(canvas, VlRect{0, 0, 400, 300}, 1, 3);
  EXPECT_TRUE(containsColour(canvas, frames[0]));
  EXPECT_FALSE(containsColour(canvas, frames[2]));
  canvas.fill(Qt::white);
  preview.DrawPreview(canvas, VlRect{0, 0, 400, 300}, 1, 3, "Buttons.Flat:L");
  EXPECT_TRUE(containsColour(canvas, frames[2]));
  EXPECT_FALSE(containsColour(canvas, frames[0]));
}

TEST_F(PreviewLibraryTest, RenderSectionDrawsTheLoadedSectionUntilItIsClosed) {
  const std::string picture = writePicture("part.png", SolidPicture(QSize(10, 10), QColor(7, 8, 9)));
  const std::string uis = writeSkin("[Part]\r\nImage=" + picture + "\r\n");
  EXPECT_FALSE(preview.LoadUpSection("/no/such/file.uis", "Part", 1));
  ASSERT_TRUE(preview.LoadUpSection(uis, "Part", 1));
  QImage surface(40, 30, QImage::Format_ARGB32_Premultiplied);
  surface.fill(Qt::white);
  preview.RenderSection(surface, VlRect{5, 5, 35, 25}, 1, 0);
  EXPECT_EQ(surface.pixel(20, 15), qRgb(7, 8, 9));
  EXPECT_EQ(surface.pixel(2, 2), qRgb(255, 255, 255));
  preview.CloseSection();
  surface.fill(Qt::white);
  preview.RenderSection(surface, VlRect{5, 5, 35, 25}, 1, 0);
  EXPECT_EQ(surface.pixel(20, 15), qRgb(255, 255, 255));
}

TEST_F(PreviewLibraryTest, MalformedSurfacesAndRectanglesAreRefused) {
  const std::string uis = writeSkin("[Colours]\r\nButtonFace=1 2 3\r\n");
  preview.LoadUISFile(uis);
  auto drawPreview = module.bind<VlDrawPreviewFn>("DrawPreview");
  ASSERT_NE(drawPreview, nullptr);
  unsigned char narrowPixels[16] = {};
  VlSurface tooNarrow{narrowPixels, 4, 1, 4};  // stride shorter than a row
  VlRect everywhere{-100000, -100000, 100000, 100000};
  drawPreview(&tooNarrow, &everywhere, 20, 1, nullptr);
  drawPreview(nullptr, &everywhere, 20, 1, nullptr);
  EXPECT_EQ(std::count(std::begin(narrowPixels), std::end(narrowPixels), 0), 16);
  unsigned char tinyPixels[16] = {};
  VlSurface tiny{tinyPixels, 2, 2, 8};
  drawPreview(&tiny, nullptr, 20, 1, nullptr);
  EXPECT_EQ(std::count(std::begin(tinyPixels), std::end(tinyPixels), 0), 16);
  drawPreview(&tiny, &everywhere, 20, 1, nullptr);
  EXPECT_LT(std::count(std::begin(tinyPixels), std::end(tinyPixels), 0), 16);
}

}  // namespace
}  // namespace tessera::testing
