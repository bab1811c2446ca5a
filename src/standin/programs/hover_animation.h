#pragma once
// The mouse-over animation of a skin element: its picture strip holds extra frames that play
// while the mouse is over it. Entering plays from "MouseEnterStartFrame" to "MouseOverStopFrame",
// then loops from "MouseOverStartFrame" to "MouseOverStopFrame" (pausing "LoopBackDelay" ms
// before each loop, a random pause up to its size when negative) unless "LoopOnce" holds it on
// the last frame. Leaving plays on to "MouseLeaveStopFrame" (first finishing the loop when
// "MouseLeaveMode" is 1), after which the element shows its ordinary look again. Frames are
// counted from 0 along the strip; one frame is shown for "AnimTimerRate" ms, 0 = no animation.
#include <functional>
#include <string>
#include <string_view>

namespace tessera::standin {

struct AnimationKeys {
  int rate = 0;
  int loopBackDelay = 0;
  int enterStart = 0;
  int leaveStop = 0;
  int overStart = 0;
  int overStop = 0;
  bool loopOnce = false;
  bool finishLoopOnLeave = false;

  // The keys of `section` in the skin file (frame numbers kept to 0..255, the rate to 0..2000).
  static AnimationKeys read(const std::string& skinFile, std::string_view section);
};

class HoverAnimation {
 public:
  // `randomUpTo(n)` gives a pause of 0..n ms for random loop delays.
  explicit HoverAnimation(AnimationKeys keys = {}, std::function<int(int)> randomUpTo = {});

  bool enabled() const { return keys_.rate > 0; }
  const AnimationKeys& keys() const { return keys_; }

  // The mouse entered: the hover range starts from its first frame. Returns the ms until the
  // next step, or -1 when there is nothing to play.
  int enter();
  // The mouse left: the leave range starts (or the loop is finished first). Returns the ms until
  // the next step, or -1 when there is nothing to play.
  int leave();
  // Shows the next frame; returns the ms until the following step, or -1 when the animation rests.
  int step();

  // The frame shown now, or -1 when the element shows its ordinary look.
  int frame() const { return frame_; }
  bool resting() const { return phase_ == Phase::Idle || phase_ == Phase::Holding; }

 private:
  enum class Phase { Idle, Entering, Looping, Holding, FinishingLoop, Leaving };
  int moveTowards(int target);
  int loopPause() const;

  AnimationKeys keys_;
  std::function<int(int)> randomUpTo_;
  Phase phase_ = Phase::Idle;
  int frame_ = -1;
};

}  // namespace tessera::standin
