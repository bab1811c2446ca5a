#pragma once
// "Test animation": the section drawn by the preview library at a size the user drags, playing
// its mouse-over animation while the mouse is over it.
#include <QDialog>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <string>

#include "core/pages/animation_sequence.h"

class QPushButton;

namespace tessera::ui {

// The element under test: hovering plays the animation; dragging resizes it.
class AnimatedSectionView : public QWidget {
  Q_OBJECT
 public:
  AnimatedSectionView(const AnimationSettings& settings, QWidget* parent = nullptr);

  // The preview state drawn now: the animation frame + 1 while it plays, 2 while hovered
  // without an animation, 1 otherwise.
  int state() const;
  QImage render() const;
  // True while a next frame is due.
  bool isPlaying() const { return timer_.isActive(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void schedule(int ms);
  void advance();

  AnimationSequence sequence_;
  QTimer timer_;
  bool hovered_ = false;
  QPoint dragOrigin_;
  QSize sizeAtDrag_;
};

class AnimationTestDialog : public QDialog {
  Q_OBJECT
 public:
  AnimationTestDialog(const std::string& section, const std::string& topLevelSection, QWidget* parent = nullptr);

  AnimatedSectionView* view() const { return view_; }
  QPushButton* closeButton() const { return closeButton_; }

 private:
  AnimatedSectionView* view_ = nullptr;
  QPushButton* closeButton_ = nullptr;
};

}  // namespace tessera::ui
