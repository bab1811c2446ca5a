#include "ui/strip/strip_painting.h"

#include <cstring>

namespace tessera::ui {

QImage ToQImage(const ImageBuffer& image) {
  if (image.isEmpty()) return {};
  QImage result(image.width(), image.height(), QImage::Format_ARGB32_Premultiplied);
  // Pixel words are 0xAARRGGBB like QImage's, so rows copy as they are.
  for (int y = 0; y < image.height(); ++y) {
    std::memcpy(result.scanLine(y), image.rowFromTop(y), static_cast<std::size_t>(image.width()) * 4);
  }
  return result;
}

void PaintCheckerboard(QPainter& painter, const QRect& area) {
  constexpr int kSquare = 8;
  painter.fillRect(area, Qt::white);
  const QColor grey(230, 230, 230);
  for (int y = area.top(); y <= area.bottom(); y += kSquare) {
    for (int x = area.left(); x <= area.right(); x += kSquare) {
      if ((((x - area.left()) / kSquare) + ((y - area.top()) / kSquare)) % 2 == 1) {
        painter.fillRect(QRect(x, y, kSquare, kSquare).intersected(area), grey);
      }
    }
  }
}

}  // namespace tessera::ui
