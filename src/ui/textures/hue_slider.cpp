#include "ui/textures/hue_slider.h"

#include <QPainter>
#include <QStyleOptionSlider>

#include "core/pages/texture_keys.h"

namespace tessera::ui {

HueSlider::HueSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setRange(0, kMaxHue);
  setMinimumHeight(22);
}

QRect HueSlider::channelRect() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
  const int height = std::max(6, groove.height());
  return QRect(groove.left(), rect().center().y() - height / 2, groove.width(), height);
}

void HueSlider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect channel = channelRect();
  const int w = channel.width();
  for (int x = 0; x < w; ++x) {
    QColor colour = QColor::fromRgb(RainbowColumnColour(x, w));
    if (!isEnabled()) colour = QColor::fromHsl(colour.hslHue(), colour.hslSaturation() / 4, colour.lightness());
    painter.fillRect(QRect(channel.left() + x, channel.top(), 1, channel.height()), colour);
  }
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.subControls = QStyle::SC_SliderHandle;
  style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

}  // namespace tessera::ui
