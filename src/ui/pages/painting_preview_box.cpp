#include "ui/pages/painting_preview_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessera::ui {

PaintingPreviewBox::PaintingPreviewBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("paintingPreview"));
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

}  // namespace tessera::ui
