#include "core/pages/animation_keys.h"

#include <gtest/gtest.h>

#include <climits>

#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class AnimationKeysTest : public testing::SheetEnvironmentTest {};

TEST(AnimationLabels, RateShowsFramesPerSecondToFourSignificantDigits) {
  EXPECT_EQ(AnimationRateLabel(30), "33.33 fps");
  EXPECT_EQ(AnimationRateLabel(0), "Animation disabled");
  EXPECT_EQ(AnimationRateLabel(1), "1000 fps");
  EXPECT_EQ(AnimationRateLabel(7), "142.9 fps");
  EXPECT_EQ(AnimationRateLabel(2000), "0.5 fps");
}

TEST(AnimationLabels, DelayShowsMillisecondsAndWhetherItIsRandom) {
  EXPECT_EQ(LoopDelayLabel(0, false), "No delay");
  EXPECT_EQ(LoopDelayLabel(0, true), "No delay");
  EXPECT_EQ(LoopDelayLabel(500, false), "500 ms delay");
  EXPECT_EQ(LoopDelayLabel(500, true), "500 ms delay (random)");
  EXPECT_EQ(StoredLoopBackDelay(500, true), -500);
  EXPECT_EQ(StoredLoopBackDelay(500, false), 500);
}

// The loop frames are only the defaults of the enter and leave frames.
TEST_F(AnimationKeysTest, OwnEnterAndLeaveFramesOverrideTheLoopFrames) {
  openSkin("[Own]\r\nMouseOverStartFrame=3\r\nMouseOverStopFrame=6\r\nMouseEnterStartFrame=1\r\n"
           "MouseLeaveStopFrame=0\r\n");
  const AnimationSettings own = ReadAnimationSettings("Own");
  EXPECT_EQ(own.enterStart, 1);
  EXPECT_EQ(own.leaveStop, 0);
  EXPECT_EQ(own.loopStart, 3);
}

TEST_F(AnimationKeysTest, DamagedValuesAreBoundedWithoutOverflow) {
  openSkin("[Btn]\r\nAnimTimerRate=-3\r\nLoopBackDelay=-2147483648\r\nMouseOverStopFrame=900\r\n");
  const AnimationSettings s = ReadAnimationSettings("Btn");
  EXPECT_EQ(s.rate, 0);
  EXPECT_EQ(s.delay, kMaxLoopBackDelay);
  EXPECT_TRUE(s.randomDelay);
  EXPECT_EQ(s.loopStop, kMaxAnimationFrame);
  EXPECT_EQ(s.leaveStop, kMaxAnimationFrame);
}

}  // namespace
}  // namespace tessera
