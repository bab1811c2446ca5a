#pragma once
// The timing of a section's mouse-over animation and the frame ranges it plays when the mouse
// enters, stays over and leaves the element.
#include <string>
#include <string_view>

namespace tessera {

namespace animation_keys {
inline constexpr const char* kAnimTimerRate = "AnimTimerRate";
inline constexpr const char* kLoopBackDelay = "LoopBackDelay";
inline constexpr const char* kMouseEnterStartFrame = "MouseEnterStartFrame";
inline constexpr const char* kMouseLeaveStopFrame = "MouseLeaveStopFrame";
inline constexpr const char* kMouseOverStartFrame = "MouseOverStartFrame";
inline constexpr const char* kMouseOverStopFrame = "MouseOverStopFrame";
inline constexpr const char* kLoopOnce = "LoopOnce";
inline constexpr const char* kMouseLeaveMode = "MouseLeaveMode";
}  // namespace animation_keys

inline constexpr int kMaxAnimationRate = 2000;
inline constexpr int kMaxLoopBackDelay = 8000;
inline constexpr int kMaxAnimationFrame = 255;

struct AnimationSettings {
  int rate = 0;          // ms per frame, 0 = no animation
  int delay = 0;         // ms between loops, without its sign
  bool randomDelay = false;
  int enterStart = 0;    // first frame when the mouse enters
  int leaveStop = 0;     // last frame after the mouse left
  int loopStart = 0;     // loop while over, from this frame...
  int loopStop = 0;      // ...to this one
  bool loopOnce = false;
  bool finishBeforeStopping = false;
};

// The animation keys of `section`; the enter and leave frames default to the loop frames.
// Values are brought into the ranges the page offers.
AnimationSettings ReadAnimationSettings(std::string_view section);
// The same keys read straight from one skin file (the engine's programs, which have no session).
AnimationSettings ReadAnimationSettings(const std::string& skinFile, std::string_view section);

// "33.33 fps" (1000 / rate to four significant digits), or "Animation disabled" for 0.
std::string AnimationRateLabel(int rate);
// "500 ms delay", "500 ms delay (random)", or "No delay" for 0.
std::string LoopDelayLabel(int delay, bool random);
// The stored "LoopBackDelay": negative when the delay is random.
int StoredLoopBackDelay(int delay, bool random);

void WriteAnimationRate(std::string_view section, int rate);
void WriteLoopBackDelay(std::string_view section, int delay, bool random);
void WriteAnimationFrame(std::string_view section, const char* key, int frame);
void WriteAnimationFlag(std::string_view section, const char* key, bool on);

}  // namespace tessera
