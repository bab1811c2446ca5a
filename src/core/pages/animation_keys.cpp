#include "core/pages/animation_keys.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/platform/profile.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

int readInt(std::string_view section, const char* key, int def) {
  return static_cast<int>(ReadSkinInt(section, key, def, Session().mainFile));
}

int frameValue(int value) { return std::clamp(value, 0, kMaxAnimationFrame); }

void writeInt(std::string_view section, const char* key, int value) {
  const std::string text = std::to_string(value);
  WriteSkinString(section, key, text, Session().mainFile);
}

}  // namespace

namespace {

// The keys through `read(key, default)`, brought into range.
template <typename Read>
AnimationSettings parseAnimationSettings(Read read) {
  using namespace animation_keys;
  AnimationSettings s;
  s.rate = std::clamp(read(kAnimTimerRate, 0), 0, kMaxAnimationRate);
  const int stored = read(kLoopBackDelay, 0);
  s.randomDelay = stored < 0;
  // Bounded before the sign is dropped, so the most negative integer cannot overflow.
  s.delay = std::clamp(stored, -kMaxLoopBackDelay, kMaxLoopBackDelay);
  s.delay = std::abs(s.delay);
  const int loopStart = read(kMouseOverStartFrame, 0);
  const int loopStop = read(kMouseOverStopFrame, 0);
  s.loopStart = frameValue(loopStart);
  s.loopStop = frameValue(loopStop);
  s.enterStart = frameValue(read(kMouseEnterStartFrame, loopStart));
  s.leaveStop = frameValue(read(kMouseLeaveStopFrame, loopStop));
  s.loopOnce = read(kLoopOnce, 0) == 1;
  s.finishBeforeStopping = read(kMouseLeaveMode, 0) == 1;
  return s;
}

}  // namespace

AnimationSettings ReadAnimationSettings(std::string_view section) {
  return parseAnimationSettings([&](const char* key, int def) { return readInt(section, key, def); });
}

AnimationSettings ReadAnimationSettings(const std::string& skinFile, std::string_view section) {
  if (skinFile.empty()) return {};
  return parseAnimationSettings(
      [&](const char* key, int def) { return static_cast<int>(profile::GetInt(section, key, def, skinFile)); });
}

std::string AnimationRateLabel(int rate) {
  if (rate <= 0) return "Animation disabled";
  char text[32];
  std::snprintf(text, sizeof text, "%.4g fps", 1000.0 / rate);
  return text;
}

std::string LoopDelayLabel(int delay, bool random) {
  if (delay == 0) return "No delay";
  std::string label = std::to_string(delay) + " ms delay";
  if (random) label += " (random)";
  return label;
}

int StoredLoopBackDelay(int delay, bool random) {
  const int bounded = std::clamp(delay, 0, kMaxLoopBackDelay);
  return random ? -bounded : bounded;
}

void WriteAnimationRate(std::string_view section, int rate) {
  writeInt(section, animation_keys::kAnimTimerRate, std::clamp(rate, 0, kMaxAnimationRate));
}

void WriteLoopBackDelay(std::string_view section, int delay, bool random) {
  writeInt(section, animation_keys::kLoopBackDelay, StoredLoopBackDelay(delay, random));
}

void WriteAnimationFrame(std::string_view section, const char* key, int frame) {
  writeInt(section, key, frameValue(frame));
}

void WriteAnimationFlag(std::string_view section, const char* key, bool on) {
  WriteSkinString(section, key, on ? "1" : "0", Session().mainFile);
}

}  // namespace tessera
