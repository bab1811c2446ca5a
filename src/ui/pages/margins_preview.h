#pragma once
// The preview of the "Painting margins" window: the section drawn by the preview library with its
// margin marks. Dragging a mark sets that margin (whole pixels, the value shown beside it while
// dragging); dragging anywhere else resizes the preview, as a bottom-right sizing grip would.
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <array>
#include <optional>

#include "core/pages/painting_keys.h"
#include "core/pages/painting_preview.h"

namespace tessera::ui {

class MarginsPreview : public QWidget {
  Q_OBJECT
 public:
  explicit MarginsPreview(QWidget* parent = nullptr);

  void setOptions(const PaintingPreviewOptions& options);
  const PaintingPreviewOptions& options() const { return options_; }
  // The margins the marks stand for, as the window's boxes show them.
  void setMargins(const std::array<int, 4>& margins) { margins_ = margins; }
  // Marks can be grabbed only while the library draws them.
  void setMarksShown(bool shown) { marksShown_ = shown; }
  // One frame of the picture: a dragged margin stays within it (empty: no such bound).
  void setFrame(QSize frame) { frame_ = frame; }
  // The largest size a resize may reach.
  void setRoom(QSize room) { room_ = room; }
  QSize room() const { return room_; }

  // The margin being dragged now, if any.
  std::optional<Edge> draggedEdge() const { return dragged_; }
  // What the preview shows now (without the value shown while dragging).
  QImage render() const;

 signals:
  // A press grabbed the mark of `edge` (an Edge).
  void marginDragStarted(int edge);
  void marginDragged(int edge, int pixels);
  void marginDragFinished(int edge);
  void resizedByUser(QSize size);
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void paintDragValue(QPainter& painter) const;
  void finishDrag();

  PaintingPreviewOptions options_;
  std::array<int, 4> margins_{};
  bool marksShown_ = false;
  QSize frame_;
  QSize room_{4096, 4096};
  std::optional<Edge> dragged_;
  bool resizing_ = false;
  QPoint pressPoint_;
  QSize pressSize_;
};

}  // namespace tessera::ui
