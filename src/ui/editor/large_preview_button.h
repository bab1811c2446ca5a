#pragma once
// The section editor's large preview: drawn by the preview library on the chosen background,
// with the hover and pressed looks while the mouse is over it.
#include <QWidget>
#include <functional>

#include "core/editor/large_preview.h"

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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<LargePreviewRequest()> request_;
  bool hovered_ = false;
  bool pressed_ = false;
};

}  // namespace tessera::ui
