#pragma once
// Where a window goes when a stored placement is restored. The position is the frame's top-left
// (what QWidget::pos() reports and move() takes) and the size is the client size (size() and
// resize()), so storing and restoring agree and a window does not creep by its frame each run.
#include <QList>
#include <QRect>

namespace tessera::ui {

// Brings `wanted` (frame top-left, client size) onto the screens' available areas, the primary
// first: a window whose title bar no screen shows well enough to grab goes to the primary
// screen's top-left, and a window larger than its screen shrinks to fit it.
QRect FitOntoScreens(QRect wanted, const QList<QRect>& screens);

// The available areas of the connected screens, the primary first.
QList<QRect> AvailableScreenAreas();

}  // namespace tessera::ui
