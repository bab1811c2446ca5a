#include "ui/pages/painting_preview_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessera::ui {

namespace {
constexpr QSize kSmallestBox(40, 30);
}  // namespace

PaintingPreviewBox::PaintingPreviewBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("paintingPreview"));
  setMouseTracking(true);  // the cursor shows where the corner mark can be dragged
}

void PaintingPreviewBox::setOptions(const PaintingPreviewOptions& options) {
  options_ = options;
  update();
}

QImage PaintingPreviewBox::render() const {
  PaintingPreviewOptions options = options_;
  options.background = palette().color(QPalette::Window);
  return ComposePaintingPreview(size(), options);
}

void PaintingPreviewBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render());
}

void PaintingPreviewBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

bool PaintingPreviewBox::onGrip(QPoint point) const {
  return point.x() >= width() - kGripSize && point.y() >= height() - kGripSize;
}

// The corner mark is a grip: dragging it enlarges or shrinks the box within the page's room.
void PaintingPreviewBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !onGrip(event->position().toPoint())) return QWidget::mousePressEvent(event);
  resizing_ = true;
  grabbedAt_ = event->globalPosition();
  sizeAtGrab_ = size();
}

void PaintingPreviewBox::mouseMoveEvent(QMouseEvent* event) {
  if (!resizing_) {
    setCursor(onGrip(event->position().toPoint()) ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
    return;
  }
  const QPointF moved = event->globalPosition() - grabbedAt_;
  QSize wanted = sizeAtGrab_ + QSize(qRound(moved.x()), qRound(moved.y()));
  if (gripBound_) wanted = wanted.boundedTo(gripBound_());
  setFixedSize(wanted.expandedTo(kSmallestBox));
}

void PaintingPreviewBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) resizing_ = false;
  QWidget::mouseReleaseEvent(event);
}

}  // namespace tessera::ui
