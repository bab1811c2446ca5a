#include "ui/app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tessera::ui {

namespace {

// How much of the title bar must show on a screen for the window to be moved with the mouse.
constexpr int kTitleBarHeight = 24;
constexpr QSize kGrabbable(48, 8);

}  // namespace

QRect FitOntoScreens(QRect wanted, const QList<QRect>& screens) {
  if (screens.isEmpty() || wanted.isEmpty()) return wanted;
  const QRect titleBar(wanted.left(), wanted.top(), wanted.width(), kTitleBarHeight);
  const QRect* home = nullptr;
  for (const QRect& screen : screens) {
    const QRect shown = screen.intersected(titleBar);
    if (shown.width() >= kGrabbable.width() && shown.height() >= kGrabbable.height()) {
      home = &screen;
      break;
    }
  }
  if (!home) {
    home = &screens.first();
    wanted.moveTopLeft(home->topLeft());
  }
  wanted.setSize(wanted.size().boundedTo(home->size() - QSize(0, kTitleBarHeight)));
  // The title bar never starts above the screen, where it could not be reached.
  if (wanted.top() < home->top()) wanted.moveTop(home->top());
  return wanted;
}

QRect FirstPlacement(QSize size, const QList<QRect>& screens) {
  if (screens.isEmpty()) return QRect(QPoint(0, 0), size);
  const QRect& screen = screens.first();
  size = size.boundedTo(screen.size() - QSize(0, kTitleBarHeight));
  const QPoint topLeft(screen.left() + (screen.width() - size.width()) / 2,
                       screen.top() + (screen.height() - kTitleBarHeight - size.height()) / 2);
  return QRect(topLeft, size);
}

QSize FirstSize(QSize preferred, QSize contentHint, const QList<QRect>& screens) {
  const QSize wanted = preferred.expandedTo(contentHint);
  if (screens.isEmpty()) return wanted;
  return wanted.boundedTo(screens.first().size() - QSize(0, kTitleBarHeight));
}

void ResizeToFirstSize(QWidget& window, QSize preferred) {
  window.resize(FirstSize(preferred, window.sizeHint().expandedTo(window.minimumSizeHint()), AvailableScreenAreas()));
}

QList<QRect> AvailableScreenAreas() {
  QList<QRect> areas;
  if (QScreen* primary = QGuiApplication::primaryScreen()) areas << primary->availableGeometry();
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen != QGuiApplication::primaryScreen()) areas << screen->availableGeometry();
  }
  return areas;
}

}  // namespace tessera::ui
