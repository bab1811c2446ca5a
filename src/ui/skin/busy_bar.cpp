#include "ui/skin/busy_bar.h"

#include <QPainter>

#include "ui/skin/display_scale.h"

namespace tessera::ui {

BusyBar::BusyBar(QWidget* parent) : QWidget(parent) {
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  policy.setRetainSizeWhenHidden(true);  // the text under it does not jump while a preview loads
  setSizePolicy(policy);
  timer_.setInterval(kStepMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &BusyBar::step);
}

void BusyBar::resetCounter() {
  counter_ = 0;
  update();
}

void BusyBar::step() {
  counter_ = counter_ + 1 > kSteps ? 0 : counter_ + 1;
  update();
}

QSize BusyBar::sizeHint() const { return {ScaledPixels(this, 120), ScaledPixels(this, 8)}; }

void BusyBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  // A bar 3 pixels high, 5 to 2 pixels above the bottom edge, centred, reaching half the width
  // times counter / steps to each side.
  const int barHeight = ScaledPixels(this, 3);
  const int top = height() - ScaledPixels(this, 5);
  const int reach = (width() / 2) * counter_ / kSteps;
  const int middle = width() / 2;
  painter.fillRect(QRect(middle - reach, top, 2 * reach, barHeight), QColor(235, 235, 235));
}

void BusyBar::showEvent(QShowEvent*) { timer_.start(); }

void BusyBar::hideEvent(QHideEvent*) { timer_.stop(); }

}  // namespace tessera::ui
