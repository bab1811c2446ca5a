// Geometry of the nine-part painting, read from the pixels of rendered sections.
#include <QPainter>

#include "render_fixture.h"

namespace tessera::testing {
namespace {

const QColor kCorner[4] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 0)};
const QColor kEdgeA(10, 10, 10), kEdgeB(200, 200, 200), kSide(90, 40, 140), kMiddle(0, 128, 128);

// 30 x 30 with 10-pixel margins: coloured corners, a top edge whose left half is A and right
// half B, side and bottom edges of one colour, and a solid middle.
QImage NinePartPicture() {
  QImage image(30, 30, QImage::Format_ARGB32);
  image.fill(kSide);
  QPainter p(&image);
  p.fillRect(0, 0, 10, 10, kCorner[0]);
  p.fillRect(20, 0, 10, 10, kCorner[1]);
  p.fillRect(0, 20, 10, 10, kCorner[2]);
  p.fillRect(20, 20, 10, 10, kCorner[3]);
  p.fillRect(10, 0, 5, 10, kEdgeA);
  p.fillRect(15, 0, 5, 10, kEdgeB);
  p.fillRect(10, 10, 10, 10, kMiddle);
  return image;
}

class NineSliceTest : public RenderTest {
 protected:
  void writeSection(const std::string& extraKeys) {
    const std::string slot = writePicture("nine.png", NinePartPicture());
    writeSkin("[Part]\r\nImage=" + slot + "\r\nTopHeight=10\r\nBottomHeight=10\r\nLeftWidth=10\r\nRightWidth=10\r\n" +
              extraKeys);
  }
};

TEST_F(NineSliceTest, CornersKeepTheirSizeAndStretchedEdgesScale) {
  writeSection("");
  const QImage out = renderSection("Part", QSize(100, 80));
  // Corners unscaled in all four corners.
  EXPECT_TRUE(PixelIs(out, 0, 0, kCorner[0]));
  EXPECT_TRUE(PixelIs(out, 9, 9, kCorner[0]));
  EXPECT_TRUE(PixelIs(out, 90, 0, kCorner[1]));
  EXPECT_TRUE(PixelIs(out, 99, 9, kCorner[1]));
  EXPECT_TRUE(PixelIs(out, 0, 70, kCorner[2]));
  EXPECT_TRUE(PixelIs(out, 99, 79, kCorner[3]));
  EXPECT_FALSE(PixelIs(out, 10, 10, kCorner[0]));
  // The stretched top edge: its 10 source columns span 80 pixels, half A and half B.
  EXPECT_TRUE(PixelIs(out, 10, 5, kEdgeA));
  EXPECT_TRUE(PixelIs(out, 49, 5, kEdgeA));
  EXPECT_TRUE(PixelIs(out, 50, 5, kEdgeB));
  EXPECT_TRUE(PixelIs(out, 89, 5, kEdgeB));
  // Stretched middle fills the whole middle.
  EXPECT_TRUE(PixelIs(out, 10, 10, kMiddle));
  EXPECT_TRUE(PixelIs(out, 89, 69, kMiddle));
  EXPECT_TRUE(PixelIs(out, 5, 40, kSide));
}

TEST_F(NineSliceTest, TiledEdgesRepeatTheSourceAtItsOwnSize) {
  writeSection("TileTop=1\r\n");
  const QImage out = renderSection("Part", QSize(100, 80));
  for (int tile = 0; tile < 8; ++tile) {
    const int x = 10 + tile * 10;
    EXPECT_TRUE(PixelIs(out, x, 3, kEdgeA)) << "tile " << tile;
    EXPECT_TRUE(PixelIs(out, x + 4, 3, kEdgeA)) << "tile " << tile;
    EXPECT_TRUE(PixelIs(out, x + 5, 3, kEdgeB)) << "tile " << tile;
  }
  EXPECT_TRUE(PixelIs(out, 90, 3, kCorner[1]));
}

TEST_F(NineSliceTest, CentredMiddleKeepsItsSizeAndEdgesOnlyLeavesItOut) {
  writeSection("Tile=4\r\n");
  const QImage centred = renderSection("Part", QSize(100, 80));
  // The middle area is 80 x 60 at (10, 10); the 10 x 10 middle sits in its centre.
  EXPECT_TRUE(PixelIs(centred, 50, 40, kMiddle));
  EXPECT_TRUE(PixelIs(centred, 45, 35, kMiddle));
  EXPECT_TRUE(PixelIsClear(centred, 30, 40));
  EXPECT_TRUE(PixelIsClear(centred, 50, 20));

  writeSection("EdgesOnly=1\r\n");
  const QImage edges = renderSection("Part", QSize(100, 80));
  EXPECT_TRUE(PixelIsClear(edges, 50, 40));
  EXPECT_TRUE(PixelIsClear(edges, 10, 10));
  EXPECT_TRUE(PixelIs(edges, 0, 0, kCorner[0]));
  EXPECT_TRUE(PixelIs(edges, 5, 40, kSide));
}

TEST_F(NineSliceTest, TiledMiddleRepeatsAndSimpleModesIgnoreMargins) {
  writeSection("Tile=1\r\n");
  const QImage tiled = renderSection("Part", QSize(100, 80));
  EXPECT_TRUE(PixelIs(tiled, 25, 25, kMiddle));
  EXPECT_TRUE(PixelIs(tiled, 89, 69, kMiddle));

  writeSection("SimpleMode=3\r\n");
  const QImage centred = renderSection("Part", QSize(100, 80));
  // The picture at its own size in the middle: (35, 25) to (64, 54).
  EXPECT_TRUE(PixelIs(centred, 35, 25, kCorner[0]));
  EXPECT_TRUE(PixelIs(centred, 64, 54, kCorner[3]));
  EXPECT_TRUE(PixelIsClear(centred, 34, 25));
}

TEST_F(NineSliceTest, ShrinkingCutsOrScalesTheMargins) {
  writeSection("");
  const QImage cut = renderSection("Part", QSize(12, 12));
  EXPECT_TRUE(PixelIs(cut, 0, 0, kCorner[0]));
  EXPECT_TRUE(PixelIs(cut, 9, 9, kCorner[0]));
  // The far corners keep their outer pixels.
  EXPECT_TRUE(PixelIs(cut, 11, 11, kCorner[3]));

  writeSection("SmartSmallMargins=1\r\n");
  const QImage smart = renderSection("Part", QSize(10, 10));
  // Each margin shrinks in proportion: 5 pixels of each corner, scaled.
  EXPECT_TRUE(PixelIs(smart, 0, 0, kCorner[0]));
  EXPECT_TRUE(PixelIs(smart, 9, 0, kCorner[1]));
  EXPECT_TRUE(PixelIs(smart, 0, 9, kCorner[2]));
  EXPECT_TRUE(PixelIs(smart, 9, 9, kCorner[3]));
}

TEST_F(NineSliceTest, AbsurdMarginsDrawWhatFits) {
  const std::string slot = writePicture("nine.png", NinePartPicture());
  writeSkin("[Part]\r\nImage=" + slot + "\r\nTopHeight=5000\r\nBottomHeight=-20\r\nLeftWidth=999999999999\r\nRightWidth=25\r\n");
  const QImage out = renderSection("Part", QSize(60, 40));
  EXPECT_FALSE(PixelIsClear(out, 0, 0));
  EXPECT_FALSE(PixelIsClear(out, 59, 39));
}

TEST_F(NineSliceTest, HugeTiledTargetsDrawOnlyWhatShows) {
  writeSkin("[Dots]\r\nImage=" + writePicture("dot.png", SolidPicture(QSize(1, 1), kMiddle)) + "\r\nTile=1\r\n");
  ASSERT_TRUE(renderer.loadSection(temp.file("skins/test/test.uis"), "Dots", 1));
  QImage surface(50, 50, QImage::Format_ARGB32_Premultiplied);
  surface.fill(Qt::transparent);
  renderer.renderSection(surface, QRect(-16000, -16000, 32000, 32000), 1, 0);
  EXPECT_TRUE(PixelIs(surface, 0, 0, kMiddle));
  EXPECT_TRUE(PixelIs(surface, 49, 49, kMiddle));
}

TEST_F(NineSliceTest, MarginMarksUseTheSwatchColours) {
  writeSection("");
  const QImage out = renderSection("Part", QSize(100, 80), 1, 96);
  EXPECT_TRUE(PixelIs(out, 50, 10, QColor(200, 50, 50)));   // top
  EXPECT_TRUE(PixelIs(out, 50, 69, QColor(50, 50, 200)));   // bottom
  EXPECT_TRUE(PixelIs(out, 10, 40, QColor(50, 200, 50)));   // left
  EXPECT_TRUE(PixelIs(out, 89, 40, QColor(165, 165, 40)));  // right
  const QImage plain = renderSection("Part", QSize(100, 80), 1, 0);
  EXPECT_TRUE(PixelIs(plain, 50, 10, kMiddle));
}

}  // namespace
}  // namespace tessera::testing
