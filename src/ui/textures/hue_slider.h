#pragma once
// A horizontal slider over 0..360 whose channel is a rainbow: column x of a channel w columns
// wide has hue 360 * x / w at saturation 0.8 and lightness 0.5.
#include <QSlider>

namespace tessera::ui {

class HueSlider : public QSlider {
  Q_OBJECT
 public:
  explicit HueSlider(QWidget* parent = nullptr);

  // The channel the rainbow fills, in the slider's coordinates.
  QRect channelRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessera::ui
