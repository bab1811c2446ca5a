#include "ui/pages/slot_preview_box.h"

#include <QPainter>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/pages/image_slot.h"

namespace tessera::ui {

SlotPreviewBox::SlotPreviewBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("slotPreview"));
  setMinimumSize(120, 60);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  connect(&animation_, &ZorPlayer::frameChanged, this, qOverload<>(&QWidget::update));
}

void SlotPreviewBox::showSlotFile(const std::string& slotValue) {
  picture_ = QImage();
  animation_.clear();
  const std::string path = SlotFilePath(slotValue);
  if (IsZorPath(path)) {
    animation_.load(path);
  } else if (!path.empty()) {
    if (const auto loaded = LoadImageFile(path)) picture_ = ToQImage(*loaded);
  }
  update();
}

void SlotPreviewBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(QColor(210, 210, 210));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const QImage& picture = animation_.isLoaded() ? animation_.image() : picture_;
  if (picture.isNull()) return;
  const QRect area = rect().adjusted(2, 2, -2, -2);
  QSize size = picture.size();
  if (size.width() > area.width() || size.height() > area.height()) size.scale(area.size(), Qt::KeepAspectRatio);
  const QRect target(area.center() - QPoint(size.width() / 2, size.height() / 2), size);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, picture);
}

}  // namespace tessera::ui
