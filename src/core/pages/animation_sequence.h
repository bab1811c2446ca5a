#pragma once
// The order in which a section's animation frames play while the mouse is over the element:
// entering plays from the enter frame to the end of the loop, then the loop repeats (after the
// loop-back delay) unless it plays only once; leaving plays on to the leave frame, first
// finishing the loop when asked to, after which the element shows its ordinary look.
#include <functional>

#include "core/pages/animation_keys.h"

namespace tessera {

class AnimationSequence {
 public:
  // `randomUpTo(n)` gives a pause of 0..n ms for random loop delays.
  explicit AnimationSequence(AnimationSettings settings = {}, std::function<int(int)> randomUpTo = {});

  bool enabled() const { return settings_.rate > 0; }

  // Each returns the ms until the next step(), or -1 when nothing more plays.
  int enter();
  int leave();
  int step();

  // The frame shown now (from 0), or -1 for the element's ordinary look.
  int frame() const { return frame_; }
  // Nothing plays: the ordinary look, or the last frame held while the mouse stays.
  bool resting() const { return phase_ == Phase::Idle || phase_ == Phase::Holding; }

 private:
  enum class Phase { Idle, Entering, LoopingBack, Holding, FinishingLoop, Leaving };
  // Moves one frame towards `target`.
  void moveTowards(int target);
  int loopPause() const;

  AnimationSettings settings_;
  std::function<int(int)> randomUpTo_;
  Phase phase_ = Phase::Idle;
  int frame_ = -1;
};

}  // namespace tessera
