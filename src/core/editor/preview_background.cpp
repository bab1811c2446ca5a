#include "core/editor/preview_background.h"

#include <QPainter>
#include <algorithm>

#include "core/app/preview_engine.h"
#include "core/platform/settings.h"

namespace tessera {

namespace {

// Platform colour indexes of button face, window and desktop.
constexpr int kSkinColourIndex[] = {0, 15, 5, 1};

QColor FromColourRef(VlColour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

void FillGrid(QImage& canvas) {
  QPainter painter(&canvas);
  const QColor light(230, 230, 230);
  const QSize size = canvas.deviceIndependentSize().toSize();
  for (int y = 0; y < size.height(); y += kGridSquare) {
    for (int x = 0; x < size.width(); x += kGridSquare) {
      const bool odd = ((x / kGridSquare) + (y / kGridSquare)) % 2 != 0;
      painter.fillRect(x, y, kGridSquare, kGridSquare, odd ? light : QColor(Qt::white));
    }
  }
}

}  // namespace

int GreyFromSlider(int position) { return 255 - std::clamp(position, 0, kBrightnessSliderMax); }
int SliderFromGrey(int grey) { return std::clamp(255 - grey, 0, kBrightnessSliderMax); }
int StoredInterfaceGrey() { return GreyFromSlider(SliderFromGrey(ReadSettingInt(settings::Brightness))); }

void FillPreviewBackground(QImage& canvas, int index, int grey) {
  switch (index) {
    case 1: case 2: case 3: {
      const VlColour fallback = index == 3 ? 0x00A56E3A : (index == 1 ? 0x00C8D0D4 : 0x00FFFFFF);
      canvas.fill(FromColourRef(Preview().GetColourVal(kSkinColourIndex[index], fallback)));
      return;
    }
    case 4: canvas.fill(Qt::black); return;
    case kBackgroundGrid: FillGrid(canvas); return;
    default: canvas.fill(QColor(grey, grey, grey)); return;
  }
}

}  // namespace tessera
