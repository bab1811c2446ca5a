#include "standin/programs/hover_animation.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cstdlib>

#include "core/platform/profile.h"

namespace tessera::standin {

namespace {

constexpr int kMaxFrame = 255;
constexpr int kMaxRate = 2000;
constexpr int kMaxDelay = 8000;

int frameKey(std::string_view section, const char* key, int fallback, const std::string& file) {
  return std::clamp(static_cast<int>(profile::GetInt(section, key, fallback, file)), 0, kMaxFrame);
}

}  // namespace

AnimationKeys AnimationKeys::read(const std::string& skinFile, std::string_view section) {
  AnimationKeys keys;
  if (skinFile.empty()) return keys;
  keys.rate = std::clamp(static_cast<int>(profile::GetInt(section, "AnimTimerRate", 0, skinFile)), 0, kMaxRate);
  keys.loopBackDelay =
      std::clamp(static_cast<int>(profile::GetInt(section, "LoopBackDelay", 0, skinFile)), -kMaxDelay, kMaxDelay);
  keys.overStart = frameKey(section, "MouseOverStartFrame", 0, skinFile);
  keys.overStop = frameKey(section, "MouseOverStopFrame", 0, skinFile);
  keys.enterStart = frameKey(section, "MouseEnterStartFrame", keys.overStart, skinFile);
  keys.leaveStop = frameKey(section, "MouseLeaveStopFrame", keys.overStop, skinFile);
  keys.loopOnce = profile::GetInt(section, "LoopOnce", 0, skinFile) == 1;
  keys.finishLoopOnLeave = profile::GetInt(section, "MouseLeaveMode", 0, skinFile) == 1;
  return keys;
}

HoverAnimation::HoverAnimation(AnimationKeys keys, std::function<int(int)> randomUpTo)
    : keys_(keys), randomUpTo_(std::move(randomUpTo)) {
  if (!randomUpTo_) randomUpTo_ = [](int n) { return static_cast<int>(QRandomGenerator::global()->bounded(n + 1)); };
}

int HoverAnimation::enter() {
  if (!enabled()) return -1;
  phase_ = Phase::Entering;
  frame_ = keys_.enterStart;
  return keys_.rate;
}

int HoverAnimation::leave() {
  switch (phase_) {
    case Phase::Idle:
    case Phase::Leaving:
      return -1;
    case Phase::Entering:
    case Phase::Looping:
      phase_ = keys_.finishLoopOnLeave ? Phase::FinishingLoop : Phase::Leaving;
      return keys_.rate;
    case Phase::Holding:
    case Phase::FinishingLoop:
      phase_ = phase_ == Phase::Holding ? Phase::Leaving : phase_;
      return keys_.rate;
  }
  return -1;
}

int HoverAnimation::moveTowards(int target) {
  if (frame_ < target) ++frame_;
  if (frame_ > target) --frame_;
  return frame_;
}

int HoverAnimation::loopPause() const {
  if (keys_.loopBackDelay >= 0) return keys_.loopBackDelay;
  return randomUpTo_(-keys_.loopBackDelay);
}

int HoverAnimation::step() {
  switch (phase_) {
    case Phase::Idle:
    case Phase::Holding:
      return -1;
    case Phase::Entering:
    case Phase::Looping:
      if (frame_ == keys_.overStop) {
        if (keys_.loopOnce) {
          phase_ = Phase::Holding;
          return -1;
        }
        phase_ = Phase::Looping;
        frame_ = keys_.overStart;
      } else {
        moveTowards(keys_.overStop);
      }
      // The pause before looping back is spent on the loop's last frame.
      return frame_ == keys_.overStop && !keys_.loopOnce ? keys_.rate + loopPause() : keys_.rate;
    case Phase::FinishingLoop:
      if (frame_ != keys_.overStop) {
        moveTowards(keys_.overStop);
        return keys_.rate;
      }
      phase_ = Phase::Leaving;
      [[fallthrough]];
    case Phase::Leaving:
      if (frame_ == keys_.leaveStop) {
        phase_ = Phase::Idle;
        frame_ = -1;
        return -1;
      }
      moveTowards(keys_.leaveStop);
      return keys_.rate;
  }
  return -1;
}

}  // namespace tessera::standin
