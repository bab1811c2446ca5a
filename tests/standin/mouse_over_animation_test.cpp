// The mouse-over animation the engine's programs play: which frames show on entering, while hovering and on leaving.
#include <gtest/gtest.h>

#include <vector>

#include "core/pages/animation_keys.h"
#include "core/pages/animation_sequence.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

struct Played {
  std::vector<int> frames;
  std::vector<int> waits;
};

// Steps until the animation rests or `limit` steps were taken.
Played Play(AnimationSequence& animation, int limit) {
  Played played;
  for (int i = 0; i < limit; ++i) {
    const int wait = animation.step();
    played.frames.push_back(animation.frame());
    played.waits.push_back(wait);
    if (wait < 0) break;
  }
  return played;
}

AnimationSettings Keys(int enterStart, int overStart, int overStop, int leaveStop) {
  AnimationSettings keys;
  keys.rate = 40;
  keys.enterStart = enterStart;
  keys.loopStart = overStart;
  keys.loopStop = overStop;
  keys.leaveStop = leaveStop;
  return keys;
}

TEST(MouseOverAnimation, EnterPlaysIntoTheLoopWhichRepeatsAfterItsDelay) {
  AnimationSettings keys = Keys(3, 5, 7, 7);
  keys.delay = 200;
  AnimationSequence animation(keys);
  EXPECT_EQ(animation.enter(), 40);
  EXPECT_EQ(animation.frame(), 3);
  const Played played = Play(animation, 7);
  EXPECT_EQ(played.frames, (std::vector<int>{4, 5, 6, 7, 5, 6, 7}));
  // The last frame of the loop is held for the delay as well.
  EXPECT_EQ(played.waits, (std::vector<int>{40, 40, 40, 240, 40, 40, 240}));
}

TEST(MouseOverAnimation, LeavePlaysToTheStopFrameThenShowsTheOrdinaryLook) {
  AnimationSequence animation(Keys(3, 3, 6, 9));
  animation.enter();
  Play(animation, 2);  // frame 5
  EXPECT_EQ(animation.leave(), 40);
  const Played played = Play(animation, 10);
  EXPECT_EQ(played.frames, (std::vector<int>{6, 7, 8, 9, -1}));
  EXPECT_TRUE(animation.resting());
  EXPECT_EQ(animation.leave(), -1);
}

TEST(MouseOverAnimation, FinishingTheLoopBeforeLeavingAndPlayingOnce) {
  AnimationSettings keys = Keys(4, 4, 8, 2);
  keys.finishBeforeStopping = true;
  AnimationSequence finishing(keys);
  finishing.enter();
  Play(finishing, 1);  // frame 5
  finishing.leave();
  EXPECT_EQ(Play(finishing, 20).frames, (std::vector<int>{6, 7, 8, 7, 6, 5, 4, 3, 2, -1}));

  keys.finishBeforeStopping = false;
  keys.loopOnce = true;
  AnimationSequence once(keys);
  once.enter();
  const Played played = Play(once, 20);
  // Reaching the loop's end rests there at once.
  EXPECT_EQ(played.frames, (std::vector<int>{5, 6, 7, 8}));
  EXPECT_EQ(played.waits.back(), -1);
  EXPECT_TRUE(once.resting());
  EXPECT_EQ(once.frame(), 8);  // held while the mouse stays
  EXPECT_EQ(once.leave(), 40);
  EXPECT_EQ(Play(once, 20).frames.front(), 7);
}

TEST(MouseOverAnimation, NoRateNoAnimationAndRandomDelaysStayInBounds) {
  AnimationSettings keys = Keys(1, 1, 2, 2);
  keys.rate = 0;
  AnimationSequence still(keys);
  EXPECT_EQ(still.enter(), -1);
  EXPECT_EQ(still.frame(), -1);

  keys.rate = 10;
  keys.delay = 300;
  keys.randomDelay = true;
  std::vector<int> asked;
  AnimationSequence random(keys, [&](int n) {
    asked.push_back(n);
    return n / 2;
  });
  random.enter();
  EXPECT_EQ(random.step(), 10 + 150);  // frame 2 ends the loop
  EXPECT_EQ(asked, (std::vector<int>{300}));
}

class AnimationFileKeysTest : public testing::EnvironmentTest {};

TEST_F(AnimationFileKeysTest, EnterAndLeaveFramesDefaultToTheLoop) {
  const std::string skin = writeSkin("Anim",
                                     "[Buttons]\r\nAnimTimerRate=50\r\nMouseOverStartFrame=3\r\nMouseOverStopFrame=6\r\n"
                                     "LoopBackDelay=-400\r\nLoopOnce=1\r\n[Other]\r\nAnimTimerRate=99999\r\n"
                                     "MouseEnterStartFrame=300\r\nMouseLeaveMode=1\r\n");
  const AnimationSettings keys = ReadAnimationSettings(skin, "buttons");
  EXPECT_EQ(keys.rate, 50);
  EXPECT_EQ(keys.enterStart, 3);
  EXPECT_EQ(keys.leaveStop, 6);
  EXPECT_EQ(keys.delay, 400);
  EXPECT_TRUE(keys.randomDelay);
  EXPECT_TRUE(keys.loopOnce);
  EXPECT_FALSE(keys.finishBeforeStopping);
  const AnimationSettings other = ReadAnimationSettings(skin, "Other");
  EXPECT_EQ(other.rate, 2000);
  EXPECT_EQ(other.enterStart, 255);
  EXPECT_TRUE(other.finishBeforeStopping);
}

}  // namespace
}  // namespace tessera
