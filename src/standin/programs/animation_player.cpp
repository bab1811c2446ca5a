#include "standin/programs/animation_player.h"

#include <QRandomGenerator>

namespace tessera::standin {

AnimationPlayer::AnimationPlayer(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] {
    const int next = animation_.step();
    emit frameChanged();
    schedule(next);
  });
}

void AnimationPlayer::setSettings(const AnimationSettings& settings) {
  timer_.stop();
  animation_ = AnimationSequence(
      settings, [](int n) { return static_cast<int>(QRandomGenerator::global()->bounded(n + 1)); });
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
