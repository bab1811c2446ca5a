#pragma once
// Two drawn sample windows, active and inactive, in the skin's system colours.
#include <QWidget>

namespace tessera::ui {

class SystemColourSample final : public QWidget {
  Q_OBJECT

 public:
  explicit SystemColourSample(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {300, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessera::ui
