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
  // The library counts states from 1 (state 1 is the first entry of the state list).
  Preview().RenderSectionText(image, WholeCanvas(image), PreviewStateForEntry(stateIndex_), kSampleText);
  return image;
}

void TextPreviewBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render());
}

}  // namespace tessera::ui
