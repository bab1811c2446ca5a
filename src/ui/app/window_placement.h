#pragma once
// Where a window goes when a stored placement is restored. The position is the frame's top-left
// (what QWidget::pos() reports and move() takes) and the size is the client size (size() and
// resize()), so storing and restoring agree and a window does not creep by its frame each run.
#include <QList>
#include <QRect>

namespace tessera::ui {

// Brings `wanted` (frame top-left, client size) onto the screens' available areas, the primary
// first: a window whose title bar no screen shows well enough to grab goes to the primary
// screen's top-left, and a window larger than its screen (with its title bar) shrinks to fit it.
QRect FitOntoScreens(QRect wanted, const QList<QRect>& screens);

// Where a window opens before any placement of it is stored: `size`, shrunk to the primary
// screen's available area with room for the title bar, centred on it; all of it shows.
QRect FirstPlacement(QSize size, const QList<QRect>& screens);

// The available areas of the connected screens, the primary first.
QList<QRect> AvailableScreenAreas();

}  // namespace tessera::ui
