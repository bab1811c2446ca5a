#pragma once
// The picker icon beside "Change...": pressing it captures the mouse and shows a magnifier that
// follows the pointer; releasing reads the screen pixel under the pointer.
#include <QColor>
#include <QLabel>

namespace tessera::ui {

class ScreenColourPicker : public QLabel {
  Q_OBJECT
 public:
  explicit ScreenColourPicker(QWidget* parent = nullptr);
  ~ScreenColourPicker() override;

  // The colour of the screen pixel at a global position.
  static QColor screenPixel(const QPoint& globalPosition);

 signals:
  void colourPicked(const QColor& colour);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void showMagnifier(const QPoint& globalPosition);

  QLabel* magnifier_ = nullptr;
  bool picking_ = false;
};

}  // namespace tessera::ui
