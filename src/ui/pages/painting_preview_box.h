#pragma once
// The "Painting" page's preview: the current section drawn by the preview library over a plain
// or checkerboard background, double-buffered in an image.
#include <QImage>
#include <QWidget>

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

 signals:
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  PaintingPreviewOptions options_;
};

}  // namespace tessera::ui
