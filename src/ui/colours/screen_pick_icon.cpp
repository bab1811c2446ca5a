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
  setToolTip(QStringLiteral("Pick a colour from the screen"));
  pickPreview_->setAutoFillBackground(true);
  pickPreview_->hide();
}

void ScreenPickIcon::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  picking_ = true;
  grabMouse(Qt::CrossCursor);
  pickPreview_->show();
  mouseMoveEvent(event);
}

void ScreenPickIcon::mouseMoveEvent(QMouseEvent* event) {
  if (!picking_) return;
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
  pickPreview_->hide();
  if (const auto colour = reader_(event->globalPosition().toPoint())) emit colourPicked(*colour);
}

}  // namespace tessera::ui
