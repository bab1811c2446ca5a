#pragma once
// The 0 .. 2000 millisecond sliders of the title-bar button pages with their value label. The
// value is stored when the slider is released (or moved by keyboard or wheel), not while dragging.
#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QSlider;

namespace tessera::ui {

class ButtonSlider : public QWidget {
  Q_OBJECT
 public:
  // `label` turns a position into the value label's text; `leftText`/`rightText` sit at the ends.
  ButtonSlider(std::function<std::string(int)> label, const QString& leftText, const QString& rightText,
               QWidget* parent = nullptr);

  QSlider* slider() const { return slider_; }
  QLabel* valueLabel() const { return value_; }
  // Sets the position without emitting `stored`.
  void load(int position);

 signals:
  void stored(int position);

 private:
  void showValue(int position);

  std::function<std::string(int)> label_;
  QSlider* slider_ = nullptr;
  QLabel* value_ = nullptr;
  bool loading_ = false;
};

}  // namespace tessera::ui
