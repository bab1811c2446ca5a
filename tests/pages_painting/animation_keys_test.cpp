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

TEST_F(AnimationKeysTest, NegativeDelayMeansRandomAndEnterLeaveFramesFollowTheLoop) {
  openSkin("[Btn]\r\nAnimTimerRate=40\r\nLoopBackDelay=-500\r\nMouseOverStartFrame=3\r\nMouseOverStopFrame=6\r\n"
           "LoopOnce=1\r\n[Own]\r\nMouseOverStartFrame=3\r\nMouseEnterStartFrame=1\r\nMouseLeaveStopFrame=0\r\n");
  const AnimationSettings btn = ReadAnimationSettings("Btn");
  EXPECT_EQ(btn.rate, 40);
  EXPECT_EQ(btn.delay, 500);
  EXPECT_TRUE(btn.randomDelay);
  EXPECT_EQ(btn.enterStart, 3);
  EXPECT_EQ(btn.leaveStop, 6);
  EXPECT_TRUE(btn.loopOnce);
  EXPECT_FALSE(btn.finishBeforeStopping);

  const AnimationSettings own = ReadAnimationSettings("Own");
  EXPECT_EQ(own.enterStart, 1);
  EXPECT_EQ(own.leaveStop, 0);
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

TEST_F(AnimationKeysTest, WritesStoreDecimalTextAndFlags) {
  openSkin("[Btn]\r\nAnimTimerRate=30\r\n");
  WriteAnimationRate("Btn", 0);
  EXPECT_EQ(skinValue("Btn", "AnimTimerRate"), "0");
  WriteLoopBackDelay("Btn", 800, true);
  EXPECT_EQ(skinValue("Btn", "LoopBackDelay"), "-800");
  WriteLoopBackDelay("Btn", 800, false);
  EXPECT_EQ(skinValue("Btn", "LoopBackDelay"), "800");
  WriteAnimationFrame("Btn", animation_keys::kMouseEnterStartFrame, 4);
  EXPECT_EQ(skinValue("Btn", "MouseEnterStartFrame"), "4");
  WriteAnimationFlag("Btn", animation_keys::kMouseLeaveMode, true);
  EXPECT_EQ(skinValue("Btn", "MouseLeaveMode"), "1");
  WriteAnimationFlag("Btn", animation_keys::kMouseLeaveMode, false);
  EXPECT_EQ(skinValue("Btn", "MouseLeaveMode"), "0");
}

}  // namespace
}  // namespace tessera
