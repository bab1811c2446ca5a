#include "standin/programs/animation_player.h"

namespace tessera::standin {

AnimationPlayer::AnimationPlayer(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] {
    const int next = animation_.step();
    emit frameChanged();
    schedule(next);
  });
}

void AnimationPlayer::setKeys(const AnimationKeys& keys) {
  timer_.stop();
  animation_ = HoverAnimation(keys);
  emit frameChanged();
}

void AnimationPlayer::enter() {
  schedule(animation_.enter());
  emit frameChanged();
}

void AnimationPlayer::leave() {
  const int next = animation_.leave();
  if (next >= 0) schedule(next);
}

void AnimationPlayer::schedule(int ms) {
  if (ms < 0) {
    timer_.stop();
  } else {
    timer_.start(ms);
  }
}

}  // namespace tessera::standin
