#pragma once
// Plays a mouse-over animation on the GUI thread: a single-shot timer waits as long as each step asks.
#include <QObject>
#include <QTimer>

#include "core/pages/animation_keys.h"
#include "core/pages/animation_sequence.h"

namespace tessera::standin {

class AnimationPlayer : public QObject {
  Q_OBJECT
 public:
  explicit AnimationPlayer(QObject* parent = nullptr);

  // New keys (another skin was loaded): whatever plays stops.
  void setSettings(const AnimationSettings& settings);
  void enter();
  void leave();
  // The frame to show, or -1 for the element's ordinary look.
  int frame() const { return animation_.frame(); }

 signals:
  void frameChanged();

 private:
  void schedule(int ms);

  AnimationSequence animation_;
  QTimer timer_;
};

}  // namespace tessera::standin
