#pragma once
// Plays a HoverAnimation on the GUI thread: a single-shot timer waits as long as each step asks.
#include <QObject>
#include <QTimer>

#include "standin/programs/hover_animation.h"

namespace tessera::standin {

class AnimationPlayer : public QObject {
  Q_OBJECT
 public:
  explicit AnimationPlayer(QObject* parent = nullptr);

  // New keys (another skin was loaded): whatever plays stops.
  void setKeys(const AnimationKeys& keys);
  void enter();
  void leave();
  // The frame to show, or -1 for the element's ordinary look.
  int frame() const { return animation_.frame(); }

 signals:
  void frameChanged();

 private:
  void schedule(int ms);

  HoverAnimation animation_;
  QTimer timer_;
};

}  // namespace tessera::standin
