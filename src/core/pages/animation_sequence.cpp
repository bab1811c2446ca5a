#include "core/pages/animation_sequence.h"

#include <utility>

namespace tessera {

AnimationSequence::AnimationSequence(AnimationSettings settings, std::function<int(int)> randomUpTo)
    : settings_(settings), randomUpTo_(std::move(randomUpTo)) {}

int AnimationSequence::enter() {
  if (!enabled()) return -1;
  phase_ = Phase::Entering;
  frame_ = settings_.enterStart;
  return settings_.rate;
}

int AnimationSequence::leave() {
  if (!enabled() || phase_ == Phase::Idle) return -1;
  const bool midLoop = phase_ == Phase::Entering && frame_ != settings_.loopStop;
  phase_ = settings_.finishBeforeStopping && midLoop ? Phase::FinishingLoop : Phase::Leaving;
  return settings_.rate;
}

int AnimationSequence::step() {
  switch (phase_) {
    case Phase::Idle:
    case Phase::Holding:
      return -1;
    case Phase::Entering:
      if (frame_ != settings_.loopStop) {
        moveTowards(settings_.loopStop);
        if (frame_ != settings_.loopStop) return settings_.rate;
      }
      if (settings_.loopOnce) {
        phase_ = Phase::Holding;
        return -1;
      }
      phase_ = Phase::LoopingBack;
      return settings_.rate + loopPause();
    case Phase::LoopingBack:
      frame_ = settings_.loopStart;
      phase_ = Phase::Entering;
      return settings_.rate;
    case Phase::FinishingLoop:
      moveTowards(settings_.loopStop);
      if (frame_ == settings_.loopStop) phase_ = Phase::Leaving;
      return settings_.rate;
    case Phase::Leaving:
      if (frame_ == settings_.leaveStop) {
        phase_ = Phase::Idle;
        frame_ = -1;
        return -1;
      }
      moveTowards(settings_.leaveStop);
      return settings_.rate;
  }
  return -1;
}

void AnimationSequence::moveTowards(int target) {
  if (frame_ < target)
    ++frame_;
  else if (frame_ > target)
    --frame_;
}

int AnimationSequence::loopPause() const {
  if (settings_.delay <= 0) return 0;
  if (settings_.randomDelay && randomUpTo_) return randomUpTo_(settings_.delay);
  return settings_.delay;
}

}  // namespace tessera
