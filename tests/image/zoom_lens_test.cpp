#include "core/image/zoom_lens.h"

#include <gtest/gtest.h>

namespace tessera {
namespace {

// A 10 x 10 screen part whose pixel (x, y) is RGB(20x, 20y, 7), standing at (100, 200).
ScreenPicture KnownPicture() {
  QImage image(10, 10, QImage::Format_RGB32);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) image.setPixel(x, y, qRgb(20 * x, 20 * y, 7));
  return {image, QPoint(100, 200)};
}

TEST(ZoomLens, EachScreenPixelBecomesASquareCentredOnThePoint) {
  const ScreenPicture picture = KnownPicture();
  // 40 x 30 at 4 times shows 10 x 8 screen pixels (7.5 rounded up) from (100, 200).
  EXPECT_EQ(ZoomSourceRect(QPoint(105, 204), QSize(40, 30), 4), QRect(100, 200, 10, 8));
  const QImage view = Magnified(picture, QPoint(105, 204), QSize(40, 30), 4);
  ASSERT_EQ(view.size(), QSize(40, 30));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(view.pixel(x, y), qRgb(20 * (x / 4), 20 * (y / 4), 7)) << x << "," << y;
}

TEST(ZoomLens, ScreenBeyondThePictureIsBlack) {
  const ScreenPicture picture = KnownPicture();
  // Around the picture's top-left corner at 8 times: a 16 x 16 view holds 2 x 2 screen pixels,
  // (99, 199) to (100, 200); only the last is on the picture.
  const QImage view = Magnified(picture, QPoint(100, 200), QSize(16, 16), 8);
  EXPECT_EQ(view.pixel(3, 3), qRgb(0, 0, 0));
  EXPECT_EQ(view.pixel(12, 3), qRgb(0, 0, 0));
  EXPECT_EQ(view.pixel(12, 12), qRgb(0, 0, 7));
  // A picture that holds nothing (a screen that could not be read) gives a black view.
  const QImage empty = Magnified(ScreenPicture{}, QPoint(5, 5), QSize(8, 8), 2);
  EXPECT_EQ(empty.pixel(4, 4), qRgb(0, 0, 0));
}

TEST(ZoomLens, ColourOfThePixelAtThePointInDecimalAndHex) {
  const ScreenPicture picture = KnownPicture();
  const std::optional<QRgb> colour = PixelAt(picture, QPoint(103, 209));
  ASSERT_TRUE(colour);
  EXPECT_EQ(DecimalColourText(*colour), "60, 180, 7");
  EXPECT_EQ(HexColourText(*colour), "#3CB407");
  EXPECT_EQ(DecimalColourText(qRgb(255, 128, 0)), "255, 128, 0");
  EXPECT_EQ(HexColourText(qRgb(255, 128, 0)), "#FF8000");
  EXPECT_FALSE(PixelAt(picture, QPoint(110, 205)));
  EXPECT_FALSE(PixelAt(picture, QPoint(99, 205)));
  EXPECT_EQ(LockText(false), "Press F2 to lock");
  EXPECT_EQ(LockText(true), "Press F2 to unlock");
}

TEST(ZoomLens, BoxesHangFromTheTopRightOfTheView) {
  const ZoomBoxes boxes = ZoomBoxesFor(400);
  EXPECT_EQ(boxes.decimal, QRect(310, 5, 85, 20));
  EXPECT_EQ(boxes.lock, QRect(280, 30, 115, 20));
  EXPECT_EQ(boxes.hex, QRect(310, 55, 85, 20));
}

TEST(ZoomLens, StoredMagnificationRoundTrips) {
  EXPECT_EQ(ZoomFactorFor(0), 2);
  EXPECT_EQ(ZoomFactorFor(1), 4);
  EXPECT_EQ(ZoomFactorFor(2), 8);
  EXPECT_EQ(ZoomFactorFor(7), 2);
  EXPECT_EQ(ZoomFactorFor(-1), 2);
  for (int v : {0, 1, 2}) EXPECT_EQ(ZoomVFor(ZoomFactorFor(v)), v);
}

TEST(ZoomLens, TicksRepaintOnlyWhatChangedAwayFromTheWindow) {
  const ZoomPaintState shown{QPoint(10, 10), QPoint(10, 10), false, 4, QSize(200, 150)};
  // Nothing painted yet: the first tick paints.
  EXPECT_TRUE(ZoomTickRepaints(ZoomTimer::Fast, std::nullopt, shown, false, false));
  // A resting mouse costs no repaint from either timer.
  EXPECT_FALSE(ZoomTickRepaints(ZoomTimer::Fast, shown, shown, false, false));
  EXPECT_FALSE(ZoomTickRepaints(ZoomTimer::Slow, shown, shown, false, false));
  ZoomPaintState moved = shown;
  moved.mouse = moved.point = QPoint(11, 10);
  EXPECT_TRUE(ZoomTickRepaints(ZoomTimer::Fast, shown, moved, false, false));
  EXPECT_TRUE(ZoomTickRepaints(ZoomTimer::Slow, shown, moved, false, false));
  // Over the window the fast timer waits; over the window or its view the slow one does.
  EXPECT_FALSE(ZoomTickRepaints(ZoomTimer::Fast, shown, moved, true, true));
  EXPECT_FALSE(ZoomTickRepaints(ZoomTimer::Slow, shown, moved, false, true));
  // Locked: the point stays, but a moved mouse still refreshes what is under the point.
  ZoomPaintState locked = shown;
  locked.locked = true;
  EXPECT_TRUE(ZoomTickRepaints(ZoomTimer::Fast, shown, locked, false, false));
  ZoomPaintState lockedMoved = locked;
  lockedMoved.mouse = QPoint(50, 50);
  EXPECT_TRUE(ZoomTickRepaints(ZoomTimer::Fast, locked, lockedMoved, false, false));
}

}  // namespace
}  // namespace tessera
