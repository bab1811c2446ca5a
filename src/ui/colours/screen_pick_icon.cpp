#include "ui/colours/screen_pick_icon.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "ui/colours/colour_choosers.h"

namespace tessera::ui {

std::optional<ColorRef> ReadScreenPixel(const QPoint& globalPosition) {
  QScreen* screen = QGuiApplication::screenAt(globalPosition);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return std::nullopt;
  const QPoint local = globalPosition - screen->geometry().topLeft();
  const QImage pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
  if (pixel.isNull()) return std::nullopt;
  return ColourFromQt(pixel.pixelColor(0, 0));
}

namespace {

constexpr int kMagnifiedSpan = 15;  // screen pixels around the pointer
constexpr int kMagnifierSize = 90;
constexpr int kMagnifierOffset = 16;

QPixmap pickerIcon() {
  QPixmap icon(24, 24);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 2));
  p.drawEllipse(QPointF(12, 12), 8, 8);
  p.drawLine(12, 0, 12, 8);
  p.drawLine(12, 16, 12, 24);
  p.drawLine(0, 12, 8, 12);
  p.drawLine(16, 12, 24, 12);
  return icon;
}

}  // namespace

ScreenPickIcon::ScreenPickIcon(QWidget* pickPreview, QWidget* parent)
    : QLabel(parent), pickPreview_(pickPreview) {
  setPixmap(pickerIcon());
  setToolTip(QStringLiteral("Press here and release over any colour on the screen"));
  if (pickPreview_) {
    pickPreview_->setAutoFillBackground(true);
    pickPreview_->hide();
  }
}

ScreenPickIcon::~ScreenPickIcon() { delete magnifier_; }

QLabel* ScreenPickIcon::magnifier() const { return magnifier_ && magnifier_->isVisible() ? magnifier_ : nullptr; }

void ScreenPickIcon::showMagnifier(const QPoint& globalPosition) {
  if (!magnifier_) {
    magnifier_ = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    magnifier_->setFixedSize(kMagnifierSize, kMagnifierSize);
    magnifier_->setFrameShape(QFrame::Box);
  }
  if (QScreen* screen = QGuiApplication::screenAt(globalPosition)) {
    const QPoint local = globalPosition - screen->geometry().topLeft();
    const QPixmap area = screen->grabWindow(0, local.x() - kMagnifiedSpan / 2, local.y() - kMagnifiedSpan / 2,
                                            kMagnifiedSpan, kMagnifiedSpan);
    magnifier_->setPixmap(area.scaled(kMagnifierSize, kMagnifierSize, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  }
  magnifier_->move(globalPosition + QPoint(kMagnifierOffset, kMagnifierOffset));
  magnifier_->show();
}

void ScreenPickIcon::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  picking_ = true;
  grabMouse(Qt::CrossCursor);
  if (pickPreview_) pickPreview_->show();
  mouseMoveEvent(event);
}

void ScreenPickIcon::mouseMoveEvent(QMouseEvent* event) {
  if (!picking_) return;
  if (!pickPreview_) {
    showMagnifier(event->globalPosition().toPoint());
    return;
  }
  if (const auto colour = reader_(event->globalPosition().toPoint())) {
    QPalette palette = pickPreview_->palette();
    palette.setColor(QPalette::Window, ColourToQt(*colour));
    pickPreview_->setPalette(palette);
  }
  pickPreview_->update();
}

void ScreenPickIcon::mouseReleaseEvent(QMouseEvent* event) {
  if (!picking_ || event->button() != Qt::LeftButton) return;
  picking_ = false;
  releaseMouse();
  if (pickPreview_) pickPreview_->hide();
  if (magnifier_) magnifier_->hide();
  if (const auto colour = reader_(event->globalPosition().toPoint())) emit colourPicked(*colour);
}

}  // namespace tessera::ui
