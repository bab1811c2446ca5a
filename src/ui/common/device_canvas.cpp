#include "ui/common/device_canvas.h"

#include <QWidget>

namespace tessera::ui {

QImage DeviceCanvas(const QWidget& widget, const QColor& fill) {
  const qreal ratio = widget.devicePixelRatioF();
  QImage canvas((widget.size() * ratio).expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(fill);
  return canvas;
}

QImage& ForWidget(QImage& canvas, const QWidget& widget) {
  canvas.setDevicePixelRatio(widget.devicePixelRatioF());
  return canvas;
}

}  // namespace tessera::ui
