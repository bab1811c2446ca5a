#pragma once
// The large preview of the main window: a sample window of the open skin on its desktop colour
// and the skin's task bar, drawn by the preview library into an off-screen buffer.
#include <QRect>
#include <QWidget>

namespace tessera::ui {

class PreviewView : public QWidget {
 public:
  explicit PreviewView(QWidget* parent = nullptr);
  // Kind 2 shows the alternative preview (a frame of an inactive window).
  void setAlternative(bool alternative);
  // Where the preview window lies inside the control (the thumbnail draws it at this place).
  QRect previewWindowRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool alternative_ = false;
};

}  // namespace tessera::ui
