#include "ui/strip/cut_picture_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>
#include <algorithm>

#include "ui/strip/strip_painting.h"

namespace tessera::ui {

namespace {

constexpr int kLensSize = 40;
int zoomFactor = 1;

}  // namespace

CutPictureArea::CutPictureArea(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int CutPictureArea::zoom() { return zoomFactor; }

void CutPictureArea::setSource(const QImage& source) {
  source_ = source;
  update();
}

QImage CutPictureArea::renderContent() const {
  QImage content(size(), QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&content);
  PaintCheckerboard(painter, content.rect());
  if (!source_.isNull()) painter.drawImage(0, 0, source_);
  return content;
}

void CutPictureArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage content = renderContent();
  painter.drawImage(0, 0, content);
  const QRect selected =
      QRect(QPoint(selection_.left, selection_.top), QPoint(selection_.right, selection_.bottom)).normalized();
  if (selected.width() > 1 || selected.height() > 1) {
    QPen dotted(Qt::black, 1, Qt::DotLine);
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(selected.adjusted(0, 0, -1, -1));
  }
  if (mouse_) {
    // The 40 x 40 square around the mouse, enlarged by the zoom and centred on it.
    const QRect lens(mouse_->x() - kLensSize / 2, mouse_->y() - kLensSize / 2, kLensSize, kLensSize);
    const int side = kLensSize * zoomFactor;
    const QRect target(mouse_->x() - side / 2, mouse_->y() - side / 2, side, side);
    painter.drawImage(target, content, lens);
  }
}

void CutPictureArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  selection_ = {at.x(), at.y(), at.x(), at.y()};
  dragging_ = true;
  update();
}

void CutPictureArea::mouseMoveEvent(QMouseEvent* event) {
  mouse_ = event->position().toPoint();
  if (dragging_) {
    selection_.right = mouse_->x();
    selection_.bottom = mouse_->y();
  }
  update();
}

void CutPictureArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  const QPoint at = event->position().toPoint();
  selection_.right = at.x();
  selection_.bottom = at.y();
  dragging_ = false;
  update();
}

void CutPictureArea::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  zoomFactor = std::max(1, zoomFactor + notches);
  update();
}

void CutPictureArea::leaveEvent(QEvent*) {
  mouse_.reset();
  update();
}

}  // namespace tessera::ui
