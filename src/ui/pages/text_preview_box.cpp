#include "ui/pages/text_preview_box.h"

#include "ui/common/device_canvas.h"

#include <QPainter>

#include "core/app/preview_engine.h"
#include "core/pages/painting_preview.h"

namespace tessera::ui {

namespace {
constexpr const char* kSampleText = "Sample text";
}

TextPreviewBox::TextPreviewBox(QWidget* parent) : QWidget(parent) { setMinimumSize(160, 60); }

void TextPreviewBox::setStateIndex(int stateIndex) {
  stateIndex_ = stateIndex;
  update();
}

QImage TextPreviewBox::render() const {
  QImage image = DeviceCanvas(*this, palette().color(QPalette::Window));
  const VlRect area{0, 0, image.width(), image.height()};
  // The library counts states from 1 (state 1 is the first entry of the state list).
  Preview().RenderSectionText(image, area, PreviewStateForEntry(stateIndex_), kSampleText);
  return ForWidget(image, *this);
}

void TextPreviewBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render());
}

}  // namespace tessera::ui
