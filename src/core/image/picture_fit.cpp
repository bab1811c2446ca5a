#include "core/image/picture_fit.h"

#include <algorithm>
#include <cstdint>

namespace tessera {

QRect PictureViewInset(QSize view) {
  const int w = view.width() - 2;
  const int h = view.height() - 2;
  if (w <= 0 || h <= 0) return {};
  return QRect(1, 1, w, h);
}

QRect FitPictureInView(QSize view, QSize picture) {
  const QRect area = PictureViewInset(view);
  if (area.isEmpty() || picture.width() <= 0 || picture.height() <= 0) return {};
  // 64-bit products: both sides may be tens of thousands of pixels.
  const std::int64_t W = area.width(), H = area.height();
  const std::int64_t w = picture.width(), h = picture.height();
  if (H * w >= W * h) {  // H / h >= W / w
    const int drawnHeight = static_cast<int>(std::clamp<std::int64_t>(W * h / w, 1, H));
    return QRect(area.left(), area.top() + (area.height() - drawnHeight) / 2, area.width(), drawnHeight);
  }
  const int drawnWidth = static_cast<int>(std::clamp<std::int64_t>(H * w / h, 1, W));
  return QRect(area.left() + (area.width() - drawnWidth) / 2, area.top(), drawnWidth, area.height());
}

double ShrinkToFitScale(QSize area, QSize picture) {
  if (picture.width() <= 0 || picture.height() <= 0) return 0;
  double factor = std::min({1.0, double(std::max(0, area.width())) / picture.width(),
                            double(std::max(0, area.height())) / picture.height()});
  if (factor < 0.1) factor = 0.5;
  return factor;
}

QRect ShrinkToFitRect(QSize area, QSize picture) {
  const double factor = ShrinkToFitScale(area, picture);
  if (factor <= 0) return {};
  const QSize size(std::max(1, int(picture.width() * factor)), std::max(1, int(picture.height() * factor)));
  return QRect(QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

}  // namespace tessera
