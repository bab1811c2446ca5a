#pragma once
// The section editor's large preview: drawn by the preview library on the chosen background,
// with the hover and pressed looks while the mouse is over it. A section whose picture is a ZOR
// animation plays it.
#include <QWidget>
#include <functional>

#include "core/editor/large_preview.h"
#include "core/image/zor_player.h"

namespace tessera::ui {

class LargePreviewButton : public QWidget {
  Q_OBJECT
 public:
  // `request` gives what to draw; the widget replaces the state while hovered or pressed.
  LargePreviewButton(std::function<LargePreviewRequest()> request, QWidget* parent = nullptr);

  bool hovered() const { return hovered_; }
  bool pressed() const { return pressed_; }
  // The request with the hover and pressed states applied.
  LargePreviewRequest effectiveRequest() const;
  // The picture as it is drawn now (also for tests and screenshots).
  QImage render() const;
  // The animation of the section's picture, when it is one.
  ZorPlayer& animation() { return animation_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Loads the section's animation when its picture is one (and another than the one playing).
  void followAnimation(const LargePreviewRequest& request) const;

  std::function<LargePreviewRequest()> request_;
  mutable ZorPlayer animation_;
  bool hovered_ = false;
  bool pressed_ = false;
};

}  // namespace tessera::ui
