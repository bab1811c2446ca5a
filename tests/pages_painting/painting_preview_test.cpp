#include "core/pages/painting_preview.h"

#include <gtest/gtest.h>

#include "core/app/preview_engine.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/sheet/section_preview.h"
#include "pages_painting/painting_fixture.h"

namespace tessera {
namespace {

class PaintingPreviewTest : public testing::PaintingEnvironmentTest {};

TEST_F(PaintingPreviewTest, BoxIsOneFramePlusPaddingWithinItsBounds) {
  EXPECT_EQ(PreviewBoxSize({QSize(40, 120), 3, true}, kMaxPreviewBox), QSize(57, 57));
  EXPECT_EQ(PreviewBoxSize({QSize(120, 40), 3, false}, kMaxPreviewBox), QSize(57, 57));
  EXPECT_EQ(PreviewBoxSize({QSize(2000, 900), 1, false}, kMaxPreviewBox), kMaxPreviewBox);
  // No picture: the box keeps its smallest useful size.
  EXPECT_EQ(PreviewBoxSize({QSize(), 1, false}, kMaxPreviewBox), QSize(17, 17));
  // A bound smaller than the padding still leaves a box of at least one pixel.
  EXPECT_EQ(PreviewBoxSize({QSize(40, 40), 1, false}, QSize(-30, 0)), QSize(1, 1));
}

TEST_F(PaintingPreviewTest, LayoutReadsPictureFrameCountAndDirection) {
  catalogue("subsections.ini", "[Btn]\r\nImageCount=3\r\n[Stack]\r\nVert=1\r\nImageCount=3\r\n");
  openSkin("");
  const std::string strip = writeStrip("btn.png", QSize(40, 40), {Qt::red, Qt::green, Qt::blue}, true);
  const std::string text = "[Btn]\r\nImage=" + strip + "\r\nVert=1\r\n[Stack]\r\nBitmap=" + strip +
                           "\r\n[Zero]\r\nImage=" + strip + "\r\nFrameCount=0\r\n[Missing]\r\nImage=s\\none.png\r\n";
  openSkin(text);

  const SectionPictureLayout btn = ReadSectionPictureLayout("Btn", "Btn");
  EXPECT_EQ(btn.picture, QSize(40, 120));
  EXPECT_EQ(btn.frameCount, 3);
  EXPECT_TRUE(btn.vertical);
  EXPECT_EQ(PreviewBoxSize(btn, kMaxPreviewBox), QSize(57, 57));

  // "Bitmap" stands in for a missing "Image"; the catalogue alone may make the frames stacked.
  const SectionPictureLayout stack = ReadSectionPictureLayout("Stack", "Stack");
  EXPECT_EQ(stack.picture, QSize(40, 120));
  EXPECT_TRUE(stack.vertical);

  // A frame count of 0 counts as 1 rather than dividing by zero.
  const SectionPictureLayout zero = ReadSectionPictureLayout("Zero", "Zero");
  EXPECT_EQ(zero.frameCount, 1);
  EXPECT_EQ(PreviewBoxSize(zero, kMaxPreviewBox), QSize(57, 137));

  EXPECT_TRUE(ReadSectionPictureLayout("Missing", "Missing").picture.isEmpty());
}

TEST_F(PaintingPreviewTest, StateNamesComeFromTheEntrysStateList) {
  catalogue("subsections.ini", "[Btn]\r\nStateList=4\r\n");
  catalogue("statelist.ini", "[4]\r\nNormal=1\r\nMouse over=2\r\nPressed=3\r\n");
  EXPECT_EQ(PreviewStateNames("Btn"), (std::vector<std::string>{"Normal", "Mouse over", "Pressed"}));
  EXPECT_TRUE(PreviewStateNames("Other").empty());
}

// The section is drawn by the real preview library stand-in.
class PaintingPreviewRenderTest : public testing::PaintingEnvironmentTest {
 protected:
  void SetUp() override {
    PaintingEnvironmentTest::SetUp();
    static DynamicLibrary module(ModulePath(testing::StandinFolder(), "vuzudiv"));
    BindPreviewLibrary(module);
    ASSERT_TRUE(Preview().isBound());
    catalogue("subsections.ini", "[Btn]\r\nImageCount=2\r\n");
    openSkin("");
    const std::string strip = writeStrip("btn.png", QSize(30, 30), {QColor(0, 0, 0), QColor(255, 255, 255)});
    openSkin("[Btn]\r\nImage=" + strip + "\r\nTopHeight=6\r\nBottomHeight=6\r\nLeftWidth=6\r\nRightWidth=6\r\n");
    Preview().LoadUISFile(mainFile());
    ReloadSectionPreview("Btn", "Btn");
  }
  void TearDown() override {
    Preview().CloseSection();
    Preview().unbind();
    PaintingEnvironmentTest::TearDown();
  }
  static int countColour(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).rgb() == colour.rgb();
    return n;
  }
};

TEST_F(PaintingPreviewRenderTest, MarginMarksReachTheSurfaceOnlyWhenAsked) {
  PaintingPreviewOptions options;
  options.background = QColor(128, 128, 128);
  const QImage plain = ComposePaintingPreview(QSize(80, 60), options);
  options.margins = true;
  const QImage marked = ComposePaintingPreview(QSize(80, 60), options);
  for (const QColor& colour : {kTopMarginColour, kBottomMarginColour, kLeftMarginColour, kRightMarginColour}) {
    EXPECT_EQ(countColour(plain, colour), 0) << colour.name().toStdString();
    EXPECT_GT(countColour(marked, colour), 20) << colour.name().toStdString();
  }
  // The top line lies on the top margin of the drawn area.
  EXPECT_EQ(marked.pixelColor(30, 6).rgb(), kTopMarginColour.rgb());
}

TEST_F(PaintingPreviewRenderTest, SectionFillsTheBoxLessTheInsetOverItsBackground) {
  PaintingPreviewOptions options;
  options.background = QColor(128, 128, 128);
  const QImage image = ComposePaintingPreview(QSize(80, 60), options);
  EXPECT_EQ(image.pixelColor(40, 30).rgb(), QColor(0, 0, 0).rgb());
  // The right and bottom strips show the background, the corner its grey mark.
  EXPECT_EQ(image.pixelColor(77, 10).rgb(), QColor(128, 128, 128).rgb());
  EXPECT_EQ(image.pixelColor(10, 57).rgb(), QColor(128, 128, 128).rgb());
  EXPECT_GT(countColour(image.copy(65, 45, 15, 15), kCornerMarkColour), 0);

  options.grid = true;
  const QImage grid = ComposePaintingPreview(QSize(80, 60), options);
  EXPECT_EQ(grid.pixelColor(77, 1).rgb(), kGridDark.rgb());  // square (9, 0)
  EXPECT_EQ(grid.pixelColor(77, 9).rgb(), kGridLight.rgb());  // square (9, 1)
}

// The state list names frames from 0, the library's states count from 1: the second state
// entry must show the second frame.
TEST_F(PaintingPreviewRenderTest, StateEntriesShowTheirOwnFrames) {
  PaintingPreviewOptions options;
  options.background = QColor(128, 128, 128);
  options.stateIndex = 0;
  EXPECT_EQ(ComposePaintingPreview(QSize(80, 60), options).pixelColor(40, 30).rgb(), QColor(0, 0, 0).rgb());
  options.stateIndex = 1;
  EXPECT_EQ(ComposePaintingPreview(QSize(80, 60), options).pixelColor(40, 30).rgb(), QColor(255, 255, 255).rgb());
}

}  // namespace
}  // namespace tessera
