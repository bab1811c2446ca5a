#include "ui/pages/screen_colour_picker.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

namespace tessera::ui {

namespace {
constexpr int kMagnifiedSpan = 15;  // screen pixels around the pointer
constexpr int kMagnifierSize = 90;
constexpr int kMagnifierOffset = 16;
}  // namespace

ScreenColourPicker::ScreenColourPicker(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("colourPicker"));
  setText(QStringLiteral("\u2316"));
  setToolTip(QStringLiteral("Press here and release over any colour on the screen"));
  setFrameShape(QFrame::StyledPanel);
  setAlignment(Qt::AlignCenter);
  setFixedSize(24, 24);
}

ScreenColourPicker::~ScreenColourPicker() { delete magnifier_; }

QColor ScreenColourPicker::screenPixel(const QPoint& globalPosition) {
  QScreen* screen = QGuiApplication::screenAt(globalPosition);
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QPoint local = globalPosition - screen->geometry().topLeft();
  const QImage pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
  return pixel.isNull() ? QColor() : pixel.pixelColor(0, 0);
}

void ScreenColourPicker::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  picking_ = true;
  grabMouse(Qt::CrossCursor);
  showMagnifier(event->globalPosition().toPoint());
}

void ScreenColourPicker::mouseMoveEvent(QMouseEvent* event) {
  if (picking_) showMagnifier(event->globalPosition().toPoint());
}

void ScreenColourPicker::mouseReleaseEvent(QMouseEvent* event) {
  if (!picking_ || event->button() != Qt::LeftButton) return;
  picking_ = false;
  releaseMouse();
  if (magnifier_) magnifier_->hide();
  const QColor colour = screenPixel(event->globalPosition().toPoint());
  if (colour.isValid()) emit colourPicked(colour);
}

void ScreenColourPicker::showMagnifier(const QPoint& globalPosition) {
  if (!magnifier_) {
    magnifier_ = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    magnifier_->setFixedSize(kMagnifierSize, kMagnifierSize);
    magnifier_->setFrameShape(QFrame::Box);
  }
  QScreen* screen = QGuiApplication::screenAt(globalPosition);
  if (!screen) return;
  const QPoint local = globalPosition - screen->geometry().topLeft();
  const QPixmap area = screen->grabWindow(0, local.x() - kMagnifiedSpan / 2, local.y() - kMagnifiedSpan / 2,
                                          kMagnifiedSpan, kMagnifiedSpan);
  magnifier_->setPixmap(area.scaled(kMagnifierSize, kMagnifierSize, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  magnifier_->move(globalPosition + QPoint(kMagnifierOffset, kMagnifierOffset));
  magnifier_->show();
}

}  // namespace tessera::ui
