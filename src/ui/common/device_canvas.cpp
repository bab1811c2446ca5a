#include "ui/common/device_canvas.h"

#include <QWidget>

namespace tessera::ui {

QImage DeviceCanvas(const QWidget& widget, const QColor& fill) {
  const qreal ratio = widget.devicePixelRatioF();
  QImage canvas((widget.size() * ratio).expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(fill);
  canvas.setDevicePixelRatio(ratio);
  return canvas;
}

VlRect WholeCanvas(const QImage& canvas) {
  const QSize size = canvas.deviceIndependentSize().toSize();
  return VlRect{0, 0, size.width(), size.height()};
}

}  // namespace tessera::ui
