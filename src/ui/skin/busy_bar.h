#pragma once
// The busy bar under a skin preview: while shown, a light bar grows from the middle outwards and
// starts again, driven by a timer of the interface thread.
#include <QTimer>
#include <QWidget>

namespace tessera::ui {

class BusyBar final : public QWidget {
  Q_OBJECT
 public:
  explicit BusyBar(QWidget* parent = nullptr);

  // Steps of one sweep; the counter restarts at 0 after it.
  static constexpr int kSteps = 200;
  static constexpr int kStepMilliseconds = 5;

  int counter() const { return counter_; }
  void resetCounter();
  // Advances the counter by one step (the timer's work).
  void step();

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QTimer timer_;
  int counter_ = 0;
};

}  // namespace tessera::ui
