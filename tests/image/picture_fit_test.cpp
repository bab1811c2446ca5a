#include "core/image/picture_fit.h"

#include <gtest/gtest.h>

namespace tessera {
namespace {

// The view fills its inset across or down, whichever the picture's aspect allows, and centres the
// other way; offsets are inside the one-pixel inset.
TEST(PictureFit, FillsTheInsetAtEveryAspect) {
  struct Case {
    QSize view, picture;
    QRect drawn;
  };
  const Case cases[] = {
      {{202, 202}, {400, 100}, {1, 1 + 75, 200, 50}},   // wide: full width, centred down
      {{202, 202}, {100, 400}, {1 + 75, 1, 50, 200}},   // tall: full height, centred across
      {{202, 202}, {64, 64}, {1, 1, 200, 200}},         // square, small: enlarged
      {{302, 102}, {10, 10}, {1 + 100, 1, 100, 100}},   // small square in a wide view
      {{102, 302}, {30, 20}, {1, 1 + 117, 100, 66}},    // 3:2 in a tall view: 100 * 20 / 30 = 66
      {{202, 102}, {200, 100}, {1, 1, 200, 100}},       // exactly the inset's aspect
      {{202, 202}, {16384, 1}, {1, 1 + 99, 200, 1}},    // a thread: never thinner than a pixel
      {{202, 202}, {1, 16384}, {1 + 99, 1, 1, 200}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitPictureInView(c.view, c.picture), c.drawn)
        << c.picture.width() << "x" << c.picture.height() << " in " << c.view.width() << "x" << c.view.height();
  }
}

TEST(PictureFit, NothingIsDrawnWithoutRoomOrPixels) {
  EXPECT_TRUE(FitPictureInView({202, 202}, {0, 0}).isEmpty());
  EXPECT_TRUE(FitPictureInView({202, 202}, {0, 10}).isEmpty());
  EXPECT_TRUE(FitPictureInView({202, 202}, {-4, 10}).isEmpty());
  EXPECT_TRUE(FitPictureInView({2, 2}, {10, 10}).isEmpty());
  EXPECT_TRUE(FitPictureInView({0, 0}, {10, 10}).isEmpty());
  // Sides whose products overflow 32 bits still fit.
  EXPECT_EQ(FitPictureInView({60002, 60002}, {60000, 30000}), QRect(1, 1 + 15000, 60000, 30000));
}

TEST(PictureFit, ImportPreviewShrinksButNeverEnlarges) {
  EXPECT_DOUBLE_EQ(ShrinkToFitScale({200, 150}, {40, 30}), 1.0);
  EXPECT_EQ(ShrinkToFitRect({200, 150}, {40, 30}), QRect(80, 60, 40, 30));
  EXPECT_DOUBLE_EQ(ShrinkToFitScale({200, 150}, {400, 150}), 0.5);
  EXPECT_EQ(ShrinkToFitRect({200, 150}, {400, 150}), QRect(0, 37, 200, 75));
  // A picture that would shrink below a tenth is shown at half size instead.
  EXPECT_DOUBLE_EQ(ShrinkToFitScale({200, 150}, {4000, 100}), 0.5);
  EXPECT_DOUBLE_EQ(ShrinkToFitScale({200, 150}, {0, 100}), 0.0);
  EXPECT_TRUE(ShrinkToFitRect({200, 150}, {0, 100}).isEmpty());
}

}  // namespace
}  // namespace tessera
