#include "ui/skin/picture_preview.h"

#include <QPainter>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "ui/skin/display_scale.h"

namespace tessera::ui {

PicturePreview::PicturePreview(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize PicturePreview::sizeHint() const { return {ScaledPixels(this, 220), ScaledPixels(this, 220)}; }

bool PicturePreview::showFile(const std::string& path) {
  const auto image = LoadImageFile(path);
  picture_ = image ? ToQImage(*image) : QImage();
  update();
  return !picture_.isNull();
}

void PicturePreview::clear() {
  picture_ = QImage();
  update();
}

void PicturePreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int cell = ScaledPixels(this, 8);
  for (int y = 0; y < height(); y += cell) {
    for (int x = 0; x < width(); x += cell) {
      const bool dark = ((x / cell) + (y / cell)) % 2;
      painter.fillRect(x, y, cell, cell, dark ? QColor(224, 224, 224) : QColor(250, 250, 250));
    }
  }
  if (!picture_.isNull()) {
    QSize size = picture_.size();
    if (size.width() > width() || size.height() > height()) size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture_);
  }
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tessera::ui
