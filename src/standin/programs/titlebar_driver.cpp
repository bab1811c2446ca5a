#include "standin/programs/titlebar_driver.h"

#include <algorithm>

#include "core/platform/profile.h"

namespace tessera::standin {

namespace {

constexpr int kMaxButtons = 99;
// Clocks wrap well before int overflow; a full cycle of any strip divides this often enough.
constexpr int kClockWrapMs = 1 << 30;

bool IsMaximiseAction(int action) { return action == 1 || action == 22; }

int Key(const std::string& section, const char* key, int def, const std::string& file) {
  return static_cast<int>(profile::GetInt(section, key, def, file));
}

}  // namespace

TitleBarDriver::TitleBarDriver(QObject* parent) : QObject(parent) {
  timer_.setInterval(kTickMs);
  connect(&timer_, &QTimer::timeout, this, [this] { step(kTickMs); });
}

void TitleBarDriver::setSkin(const std::string& uisPath) {
  buttons_.clear();
  if (!uisPath.empty()) {
    // The Personality layout keeps the count in Personality, the caption layout in Caption.
    // (A count of -1 is the absent key's default and means the caption layout, as the renderer reads it.)
    const bool personality = !profile::ReadString("Personality", "ButtonCount", "", uisPath).empty() &&
                             Key("Personality", "ButtonCount", -1, uisPath) != -1;
    const int count = std::clamp(Key(personality ? "Personality" : "Caption", "ButtonCount", 0, uisPath), 0, kMaxButtons);
    for (int i = 0; i < count; ++i) {
      const std::string section = "Button" + std::to_string(i);
      Button b;
      b.action = Key(section, "Action", 0, uisPath);
      b.animated = Key(section, "AnimTimerRate", 0, uisPath) > 0 ||
                   (Key(section, "OverlayTimer", 0, uisPath) > 0 && !profile::ReadString(section, "OverlayImage", "", uisPath).empty());
      b.fadeMs = std::clamp(Key(section, "OverlayFadeInTime", 0, uisPath), 0, 2000);
      buttons_.push_back(b);
    }
  }
  if (hot_ >= static_cast<int>(buttons_.size())) hot_ = -1;
  updateTimer();
  emit changed();
}

void TitleBarDriver::track(int button, bool pressed) {
  if (button != hot_) hover_ = 0;
  const bool same = button == hot_ && pressed == pressed_;
  hot_ = button;
  pressed_ = pressed;
  updateTimer();
  if (!same) emit changed();
}

void TitleBarDriver::click(int button) {
  if (button < 0 || button >= static_cast<int>(buttons_.size())) return;
  if (!IsMaximiseAction(buttons_[static_cast<std::size_t>(button)].action)) return;
  maximised_ = !maximised_;
  // The button under the mouse may have given way to another one: hover starts afresh.
  hot_ = -1;
  hover_ = 0;
  updateTimer();
  emit changed();
}

void TitleBarDriver::step(int ms) {
  if (ms <= 0) return;
  clock_ = (clock_ + ms) % kClockWrapMs;
  if (hot_ >= 0) hover_ = std::min(hover_ + ms, kClockWrapMs);
  updateTimer();
  emit changed();
}

VlFrameLook TitleBarDriver::look(int style, bool withClient) const {
  int bits = style & ~(0xff << 8);
  if (maximised_) bits |= VL_STYLE_MAXIMISED;
  const int state = hot_ < 0 ? 1 : pressed_ ? 3 : 2;
  // Without a button under the mouse every button is in its normal state.
  return VlFrameLook{bits | (state << 8), hot_, clock_, hot_ < 0 ? -1 : hover_, withClient ? 1 : 0};
}

bool TitleBarDriver::moving() const {
  const bool anyAnimated = std::any_of(buttons_.begin(), buttons_.end(), [](const Button& b) { return b.animated; });
  if (anyAnimated) return true;
  if (hot_ < 0 || hot_ >= static_cast<int>(buttons_.size())) return false;
  return hover_ < buttons_[static_cast<std::size_t>(hot_)].fadeMs;
}

void TitleBarDriver::updateTimer() {
  if (moving()) {
    if (!timer_.isActive()) timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace tessera::standin
