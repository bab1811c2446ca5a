#include "ui/pages/slot_preview_box.h"

#include <QPainter>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/pages/image_slot.h"
#include "core/app/preview_engine.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "ui/common/device_canvas.h"
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

QImage SlotPreviewBox::renderFrameSample() const {
  QImage canvas = DeviceCanvas(*this, palette().color(QPalette::Base));
  if (!Session().isOpen()) return canvas;
  constexpr int inset = 4;
  const VlRect window{inset, inset, width() - inset, height() - inset};
  const SkinSession& session = Session();
  const std::string title = ReadSkinString("TitlebarSkin", "SkinName", session.skinName, session.mainFile);
  Preview().DrawWindowFrameOwn2(canvas, window, 0, title);
  return canvas;
}

void SlotPreviewBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (frameSample_) {
    painter.drawImage(0, 0, renderFrameSample());
    return;
  }
  const QImage& picture = animation_.isLoaded() ? animation_.image() : picture_;
  PictureView::paintPicture(painter, size(), picture, PictureView::Fit::FillView, palette().color(QPalette::Mid));
}

}  // namespace tessera::ui
