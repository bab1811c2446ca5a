// Which frame of a strip a preview state shows, for side-by-side and stacked strips, and strips
// whose frame count is nonsense.
#include <QPainter>

#include "render_fixture.h"
#include "standin/render/frame_selection.h"

namespace tessera::testing {
namespace {

const QColor kFrames[4] = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200), QColor(200, 200, 0)};

QImage Strip(bool vertical) {
  QImage image(vertical ? QSize(8, 32) : QSize(32, 8), QImage::Format_ARGB32);
  QPainter p(&image);
  for (int i = 0; i < 4; ++i) p.fillRect(vertical ? QRect(0, i * 8, 8, 8) : QRect(i * 8, 0, 8, 8), kFrames[i]);
  return image;
}

class FrameSelectionTest : public RenderTest {};

TEST_F(FrameSelectionTest, StateSelectsTheFrameOfAHorizontalStrip) {
  writeSkin("[Strip]\r\nImage=" + writePicture("strip.png", Strip(false)) + "\r\nFrameCount=4\r\n");
  for (int state = 1; state <= 4; ++state) {
    const QImage out = renderSection("Strip", QSize(20, 20), state);
    EXPECT_TRUE(PixelIs(out, 10, 10, kFrames[state - 1])) << "state " << state;
  }
  // A state the strip has no frame for shows the first frame.
  EXPECT_TRUE(PixelIs(renderSection("Strip", QSize(20, 20), 9), 10, 10, kFrames[0]));
  EXPECT_TRUE(PixelIs(renderSection("Strip", QSize(20, 20), 0), 10, 10, kFrames[0]));
}

TEST_F(FrameSelectionTest, VertStacksTheFrames) {
  writeSkin("[Strip]\r\nImage=" + writePicture("strip.png", Strip(true)) + "\r\nFrameCount=4\r\nVert=1\r\n");
  for (int state = 1; state <= 4; ++state) {
    const QImage out = renderSection("Strip", QSize(20, 20), state);
    EXPECT_TRUE(PixelIs(out, 3, 17, kFrames[state - 1])) << "state " << state;
  }
}

TEST_F(FrameSelectionTest, CatalogueImageCountAndVertStandInForMissingKeys) {
  temp.write("skins/Tessera7/subsections.ini", "[Strip]\r\nImageCount=4\r\nVert=1\r\n");
  writeSkin("[Strip]\r\nImage=" + writePicture("strip.png", Strip(true)) + "\r\n");
  EXPECT_TRUE(PixelIs(renderSection("Strip", QSize(20, 20), 3), 10, 10, kFrames[2]));
}

TEST_F(FrameSelectionTest, NonsenseFrameCountsStillDraw) {
  const std::string slot = writePicture("strip.png", Strip(false));
  writeSkin("[Strip]\r\nImage=" + slot + "\r\nFrameCount=0\r\n");
  // Zero frames: the whole picture is one frame.
  QImage out = renderSection("Strip", QSize(32, 8));
  EXPECT_TRUE(PixelIs(out, 1, 4, kFrames[0]));
  EXPECT_TRUE(PixelIs(out, 30, 4, kFrames[3]));
  writeSkin("[Strip]\r\nImage=" + slot + "\r\nFrameCount=10000\r\n");
  out = renderSection("Strip", QSize(16, 16), 2);
  EXPECT_FALSE(PixelIsClear(out, 8, 8));
  EXPECT_EQ(render::UsableFrameCount(QSize(32, 8), 10000, false), 32);
  EXPECT_EQ(render::FrameRect(QSize(32, 8), 10000, false, 9999), QRect(31, 0, 1, 8));
  EXPECT_EQ(render::FrameRect(QSize(33, 8), 4, false, 3), QRect(24, 0, 8, 8));
}

}  // namespace
}  // namespace tessera::testing
