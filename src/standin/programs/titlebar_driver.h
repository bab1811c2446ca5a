#pragma once
// The title-bar buttons of a sample window in the engine's programs: which button the mouse is
// over and whether it is pressed, the clock that animated strips ("AnimTimerRate") and glows
// ("OverlayTimer") play by, the time the mouse has been over the button (for
// "OverlayFadeInTime"), and the window's maximised state, which the maximise buttons toggle.
// One GUI-thread timer advances the clocks while something moves; step() does the same by hand.
#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

#include "core/engine/vl_abi.h"

namespace tessera::standin {

class TitleBarDriver : public QObject {
  Q_OBJECT
 public:
  static constexpr int kTickMs = 40;

  explicit TitleBarDriver(QObject* parent = nullptr);

  // Reads the buttons of the skin's main file: their actions and whatever of them moves.
  void setSkin(const std::string& uisPath);
  // The button under the mouse (-1 for none) and whether the left mouse button is down.
  void track(int button, bool pressed);
  // A press released over `button`: the maximise actions maximise or restore the window.
  void click(int button);
  // Advances the clocks by `ms`; the timer calls it every kTickMs.
  void step(int ms);

  // The look of the window for the preview library; `style` carries the active/inactive bit.
  VlFrameLook look(int style, bool withClient) const;
  int buttonCount() const { return static_cast<int>(buttons_.size()); }
  bool maximised() const { return maximised_; }
  int hotButton() const { return hot_; }
  int clockMs() const { return clock_; }
  int hoverMs() const { return hover_; }
  bool ticking() const { return timer_.isActive(); }

 signals:
  void changed();

 private:
  struct Button {
    int action = 0;
    bool animated = false;  // its strip or its glow plays by the clock
    int fadeMs = 0;
  };
  bool moving() const;
  void updateTimer();

  std::vector<Button> buttons_;
  QTimer timer_;
  int hot_ = -1;
  bool pressed_ = false;
  bool maximised_ = false;
  int clock_ = 0;
  int hover_ = 0;
};

}  // namespace tessera::standin
