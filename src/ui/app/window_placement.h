#pragma once
// Where a window goes when a stored placement is restored. The position is the frame's top-left
// (what QWidget::pos() reports and move() takes) and the size is the client size (size() and
// resize()), so storing and restoring agree and a window does not creep by its frame each run.
#include <QList>
#include <QRect>

class QWidget;

namespace tessera::ui {

// Brings `wanted` (frame top-left, client size) onto the screens' available areas, the primary
// first: a window whose title bar no screen shows well enough to grab goes to the primary
// screen's top-left, and a window larger than its screen (with its title bar) shrinks to fit it.
QRect FitOntoScreens(QRect wanted, const QList<QRect>& screens);

// Where a window opens before any placement of it is stored: `size`, shrunk to the primary
// screen's available area with room for the title bar, centred on it; all of it shows.
QRect FirstPlacement(QSize size, const QList<QRect>& screens);

// The size a window opens at before any size of it is stored: `preferred`, grown to what its
// content asks for (`contentHint`, names and lists uncut), and never more than the primary
// screen's available area shows with the title bar.
QSize FirstSize(QSize preferred, QSize contentHint, const QList<QRect>& screens);

// Resizes `window` (its layout built) to its FirstSize on the connected screens.
void ResizeToFirstSize(QWidget& window, QSize preferred);

// The available areas of the connected screens, the primary first.
QList<QRect> AvailableScreenAreas();

}  // namespace tessera::ui
