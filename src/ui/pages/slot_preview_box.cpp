#include "ui/pages/slot_preview_box.h"

#include <QPainter>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/pages/image_slot.h"
#include "ui/common/picture_view.h"

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
  const QImage& picture = animation_.isLoaded() ? animation_.image() : picture_;
  PictureView::paintPicture(painter, size(), picture, PictureView::Fit::FillView, palette().color(QPalette::Mid));
}

}  // namespace tessera::ui
