#include "core/image/zoom_lens.h"

#include <QPainter>

namespace tessera {

int ZoomFactorFor(int zoomV) {
  switch (zoomV) {
    case 1: return 4;
    case 2: return 8;
    default: return 2;
  }
}

int ZoomVFor(int factor) { return factor >= 8 ? 2 : factor >= 4 ? 1 : 0; }

QRect ZoomSourceRect(QPoint point, QSize view, int factor) {
  factor = std::max(1, factor);
  const int width = (std::max(0, view.width()) + factor - 1) / factor;
  const int height = (std::max(0, view.height()) + factor - 1) / factor;
  return QRect(point.x() - width / 2, point.y() - height / 2, width, height);
}

void PaintMagnified(QPainter& painter, const QRect& target, const ScreenPicture& picture, QPoint point, int factor) {
  factor = std::max(1, factor);
  painter.save();
  painter.setClipRect(target);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.fillRect(target, Qt::black);
  const QRect source = ZoomSourceRect(point, target.size(), factor);
  // Only the screen pixels the picture holds are drawn, each onto its own square.
  const QRect held = source.intersected(QRect(picture.origin, picture.image.size()));
  if (!held.isEmpty()) {
    const QRect from = held.translated(-picture.origin);
    const QPoint offset = (held.topLeft() - source.topLeft()) * factor;
    const QRect to(target.topLeft() + offset, held.size() * factor);
    painter.drawImage(to, picture.image, from);
  }
  painter.restore();
}

QImage Magnified(const ScreenPicture& picture, QPoint point, QSize view, int factor) {
  QImage out(view, QImage::Format_RGB32);
  if (out.isNull()) return out;
  QPainter painter(&out);
  PaintMagnified(painter, out.rect(), picture, point, factor);
  return out;
}

std::optional<QRgb> PixelAt(const ScreenPicture& picture, QPoint point) {
  const QPoint inside = point - picture.origin;
  if (!picture.image.valid(inside)) return std::nullopt;
  return picture.image.pixel(inside);
}

QString DecimalColourText(QRgb colour) {
  return QStringLiteral("%1, %2, %3").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

QString HexColourText(QRgb colour) {
  return QStringLiteral("#%1%2%3")
      .arg(qRed(colour), 2, 16, QLatin1Char('0'))
      .arg(qGreen(colour), 2, 16, QLatin1Char('0'))
      .arg(qBlue(colour), 2, 16, QLatin1Char('0'))
      .toUpper();
}

QString LockText(bool locked) {
  return locked ? QStringLiteral("Press F2 to unlock") : QStringLiteral("Press F2 to lock");
}

ZoomBoxes ZoomBoxesFor(int viewWidth) {
  return {QRect(QPoint(viewWidth - 90, 5), QPoint(viewWidth - 5, 25) - QPoint(1, 1)),
          QRect(QPoint(viewWidth - 120, 30), QPoint(viewWidth - 5, 50) - QPoint(1, 1)),
          QRect(QPoint(viewWidth - 90, 55), QPoint(viewWidth - 5, 75) - QPoint(1, 1))};
}

bool ZoomTickRepaints(ZoomTimer timer, const std::optional<ZoomPaintState>& last, const ZoomPaintState& now,
                      bool mouseOverWindow, bool mouseOverView) {
  if (timer == ZoomTimer::Fast ? mouseOverWindow : (mouseOverWindow || mouseOverView)) return false;
  return !last || *last != now;
}

}  // namespace tessera
