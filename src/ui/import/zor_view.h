#pragma once
// The builder's view of the shared animation: the frame at the scroll position over dark grey,
// three bars with the decoder's statistics of that frame and the progress line beneath.
#include <QWidget>

namespace tessera {
class ZorAnimation;
}

namespace tessera::ui {

class ZorView : public QWidget {
  Q_OBJECT
 public:
  ZorView(ZorAnimation& animation, QWidget* parent = nullptr);

  void setFrame(int index);
  int frame() const { return frame_; }
  // Frames decoded successfully for drawing since the view was made.
  int framesDrawn() const { return framesDrawn_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ZorAnimation& animation_;
  int frame_ = 0;
  int framesDrawn_ = 0;
};

}  // namespace tessera::ui
