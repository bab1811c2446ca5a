#include "ui/import/import_preview.h"

#include <QPainter>
#include <algorithm>

#include "core/image/image_file.h"

namespace tessera::ui {

ImportPreview::ImportPreview(QWidget* parent) : QWidget(parent) { setMinimumSize(200, 150); }

void ImportPreview::setPath(const std::string& path) {
  picture_ = QImage();
  if (const auto image = LoadImageFile(path)) {
    QImage loaded(image->width(), image->height(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image->height(); ++y) {
      const std::uint32_t* row = image->rowFromTop(y);
      std::copy(row, row + image->width(), reinterpret_cast<std::uint32_t*>(loaded.scanLine(y)));
    }
    picture_ = QImage(loaded.size(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
    QPainter painter(&picture_);
    painter.drawImage(0, 0, loaded);
  }
  update();
}

double ImportPreview::scaleFactor() const {
  if (picture_.isNull()) return 0;
  double factor = std::min({1.0, double(width()) / picture_.width(), double(height()) / picture_.height()});
  // A huge picture in a small area would shrink to a speck; show half size instead.
  if (factor < 0.1) factor = 0.5;
  return factor;
}

void ImportPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (picture_.isNull()) return;
  const double factor = scaleFactor();
  const QSize size(std::max(1, int(picture_.width() * factor)), std::max(1, int(picture_.height() * factor)));
  const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, picture_);
}

}  // namespace tessera::ui
