#include "core/pages/animation_sequence.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessera {
namespace {

AnimationSettings settings(int enterStart, int loopStart, int loopStop, int leaveStop) {
  AnimationSettings s;
  s.rate = 40;
  s.enterStart = enterStart;
  s.loopStart = loopStart;
  s.loopStop = loopStop;
  s.leaveStop = leaveStop;
  return s;
}

// Steps `count` times, collecting the frame after each step.
std::vector<int> play(AnimationSequence& sequence, int count) {
  std::vector<int> frames;
  for (int i = 0; i < count; ++i) {
    sequence.step();
    frames.push_back(sequence.frame());
  }
  return frames;
}

TEST(AnimationSequence, EnteringPlaysIntoTheLoopWhichRepeatsAfterItsDelay) {
  AnimationSettings s = settings(1, 2, 4, 0);
  s.delay = 300;
  AnimationSequence sequence(s);
  EXPECT_EQ(sequence.enter(), 40);
  EXPECT_EQ(sequence.frame(), 1);
  EXPECT_EQ(play(sequence, 3), (std::vector<int>{2, 3, 4}));
  // The step that reaches the end of the loop asks for the pause before the next loop.
  AnimationSequence timed(s);
  timed.enter();
  EXPECT_EQ(timed.step(), 40);
  EXPECT_EQ(timed.step(), 40);
  EXPECT_EQ(timed.step(), 340);
  EXPECT_EQ(play(sequence, 4), (std::vector<int>{2, 3, 4, 2}));
}

TEST(AnimationSequence, RandomDelayAsksForAPauseUpToTheDelay) {
  AnimationSettings s = settings(0, 0, 1, 0);
  s.delay = 500;
  s.randomDelay = true;
  int asked = -1;
  AnimationSequence sequence(s, [&asked](int upTo) {
    asked = upTo;
    return 123;
  });
  sequence.enter();
  EXPECT_EQ(sequence.step(), 40 + 123);
  EXPECT_EQ(asked, 500);
}

TEST(AnimationSequence, PlayingOnceHoldsTheLastFrameUntilTheMouseLeaves) {
  AnimationSettings s = settings(0, 0, 2, 0);
  s.loopOnce = true;
  AnimationSequence sequence(s);
  sequence.enter();
  EXPECT_EQ(play(sequence, 2), (std::vector<int>{1, 2}));
  EXPECT_EQ(sequence.step(), -1);
  EXPECT_EQ(sequence.frame(), 2);
  EXPECT_EQ(sequence.leave(), 40);
  EXPECT_EQ(play(sequence, 3), (std::vector<int>{1, 0, -1}));
}

TEST(AnimationSequence, LeavingPlaysToTheLeaveFrameOrFinishesTheLoopFirst) {
  AnimationSequence direct(settings(0, 2, 5, 7));
  direct.enter();
  play(direct, 3);  // at frame 3, inside the loop
  direct.leave();
  EXPECT_EQ(play(direct, 5), (std::vector<int>{4, 5, 6, 7, -1}));

  AnimationSettings s = settings(0, 2, 5, 0);
  s.finishBeforeStopping = true;
  AnimationSequence finishing(s);
  finishing.enter();
  play(finishing, 3);  // frame 3
  finishing.leave();
  EXPECT_EQ(play(finishing, 8), (std::vector<int>{4, 5, 4, 3, 2, 1, 0, -1}));
}

TEST(AnimationSequence, RateZeroPlaysNothing) {
  AnimationSettings s = settings(0, 0, 3, 0);
  s.rate = 0;
  AnimationSequence sequence(s);
  EXPECT_EQ(sequence.enter(), -1);
  EXPECT_EQ(sequence.frame(), -1);
  EXPECT_EQ(sequence.leave(), -1);
}

}  // namespace
}  // namespace tessera
