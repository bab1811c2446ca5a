#pragma once
// The "Painting" page's preview: the current section drawn by the preview library over a plain
// or checkerboard background, double-buffered in an image.
#include <QImage>
#include <QWidget>
#include <functional>

#include "core/pages/painting_preview.h"

namespace tessera::ui {

class PaintingPreviewBox : public QWidget {
  Q_OBJECT
 public:
  explicit PaintingPreviewBox(QWidget* parent = nullptr);

  void setOptions(const PaintingPreviewOptions& options);
  const PaintingPreviewOptions& options() const { return options_; }
  // What the box shows now.
  QImage render() const;
  // The largest size a drag of the corner mark may give the box (the page's room for it).
  void setGripBound(std::function<QSize()> bound) { gripBound_ = std::move(bound); }
  static constexpr int kGripSize = 15;  // the corner mark in the bottom-right corner

 signals:
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool onGrip(QPoint point) const;

  PaintingPreviewOptions options_;
  std::function<QSize()> gripBound_;
  bool resizing_ = false;
  QPointF grabbedAt_;
  QSize sizeAtGrab_;
};

}  // namespace tessera::ui
