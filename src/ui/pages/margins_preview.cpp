#include "ui/pages/margins_preview.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/pages/margins_editor.h"

namespace tessera::ui {

namespace {

const char* const kEdgeNames[] = {"Top", "Bottom", "Left", "Right"};

const QColor& markColour(Edge edge) {
  static const QColor colours[] = {kTopMarginColour, kBottomMarginColour, kLeftMarginColour, kRightMarginColour};
  return colours[edge];
}

// Whole pixels: the point under the mouse, rounded.
QPoint pixelAt(const QMouseEvent* event) { return event->position().toPoint(); }

}  // namespace

MarginsPreview::MarginsPreview(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("marginsPreview"));
  setMouseTracking(true);
  setCursor(Qt::SizeFDiagCursor);
}

void MarginsPreview::setOptions(const PaintingPreviewOptions& options) {
  options_ = options;
  update();
}

QImage MarginsPreview::render() const {
  PaintingPreviewOptions options = options_;
  options.background = palette().color(QPalette::Window);
  options.edgeGrip = true;
  return ComposePaintingPreview(size(), options);
}

void MarginsPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render());
  if (dragged_) paintDragValue(painter);
}

// The margin's name and value on its mark colour, beside the mark and inside the preview.
void MarginsPreview::paintDragValue(QPainter& painter) const {
  const Edge edge = *dragged_;
  const QString text = QStringLiteral("%1: %2").arg(QLatin1String(kEdgeNames[edge])).arg(margins_[edge]);
  const QFontMetrics metrics(font());
  QRect box(QPoint(0, 0), metrics.size(Qt::TextSingleLine, text) + QSize(8, 4));
  const QSize area = MarginsRenderArea(size());
  const std::array<int, 4> marks = MarginMarkPositions(area, margins_);
  const bool vertical = edge == kTopEdge || edge == kBottomEdge;
  // Inside the nine-slice middle by default: below the top mark, above the bottom one, and so on.
  const int before = -4 - (vertical ? box.height() : box.width());
  const int offset = (edge == kTopEdge || edge == kLeftEdge) ? 4 : before;
  QPoint at = vertical ? QPoint((area.width() - box.width()) / 2, marks[edge] + offset)
                       : QPoint(marks[edge] + offset, (area.height() - box.height()) / 2);
  // A box that would leave the preview goes to the other side of the mark, then is held inside.
  if (vertical && (at.y() < 0 || at.y() + box.height() > height()))
    at.setY(marks[edge] + (edge == kTopEdge ? -4 - box.height() : 4));
  if (!vertical && (at.x() < 0 || at.x() + box.width() > width()))
    at.setX(marks[edge] + (edge == kLeftEdge ? -4 - box.width() : 4));
  at.setX(std::clamp(at.x(), 0, std::max(0, width() - box.width())));
  at.setY(std::clamp(at.y(), 0, std::max(0, height() - box.height())));
  box.moveTopLeft(at);
  painter.fillRect(box, markColour(edge));
  painter.setPen(Qt::white);
  painter.drawText(box, Qt::AlignCenter, text);
}

void MarginsPreview::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = pixelAt(event);
  const std::optional<Edge> edge = marksShown_ ? MarkAt(point, MarginsRenderArea(size()), margins_) : std::nullopt;
  if (edge) {
    dragged_ = edge;
    emit marginDragStarted(*edge);
    update();
    return;
  }
  resizing_ = true;
  pressPoint_ = event->globalPosition().toPoint();
  pressSize_ = size();
}

void MarginsPreview::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = pixelAt(event);
  if (dragged_) {
    const Edge edge = *dragged_;
    const int value = MarginForDrag(edge, point, MarginsRenderArea(size()), margins_, frame_);
    if (value != margins_[edge]) {
      margins_[edge] = value;
      emit marginDragged(edge, value);
      update();
    }
    return;
  }
  if (resizing_) {
    const QPoint moved = event->globalPosition().toPoint() - pressPoint_;
    const QSize wanted = ClampMarginsPreview(pressSize_ + QSize(moved.x(), moved.y()), room_);
    if (wanted != size()) {
      resize(wanted);
      emit resizedByUser(wanted);
    }
    return;
  }
  // Hovering: the cursor says what a press would do.
  const std::optional<Edge> edge = marksShown_ ? MarkAt(point, MarginsRenderArea(size()), margins_) : std::nullopt;
  if (!edge)
    setCursor(Qt::SizeFDiagCursor);
  else
    setCursor(*edge == kTopEdge || *edge == kBottomEdge ? Qt::SizeVerCursor : Qt::SizeHorCursor);
}

void MarginsPreview::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  resizing_ = false;
  finishDrag();
}

void MarginsPreview::finishDrag() {
  if (!dragged_) return;
  const Edge edge = *dragged_;
  dragged_.reset();
  update();
  emit marginDragFinished(edge);
}

void MarginsPreview::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace tessera::ui
