#pragma once
// The picture area of the cut tool: the source over a checkerboard, the selection dragged with
// the left button, and a magnifier around the mouse whose zoom the wheel sets.
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>

#include "core/image/cut_links.h"

namespace tessera::ui {

class CutPictureArea : public QWidget {
  Q_OBJECT
 public:
  explicit CutPictureArea(QWidget* parent = nullptr);

  void setSource(const QImage& source);
  // The selection as dragged: first corner, then second; not normalised.
  CutRect selection() const { return selection_; }
  // The magnifier's zoom, shared by every cut tool of the process.
  static int zoom();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QImage renderContent() const;

  QImage source_;
  CutRect selection_;
  bool dragging_ = false;
  std::optional<QPoint> mouse_;
};

}  // namespace tessera::ui
