#pragma once
// The large preview of the main window: the elements of the selected category (sample windows,
// controls, bars, the start menu, the task bar) of the open skin on its desktop colour, drawn by
// the preview library into an off-screen buffer.
#include <QImage>
#include <QRect>
#include <QWidget>

namespace tessera::ui {

class PreviewView : public QWidget {
 public:
  explicit PreviewView(QWidget* parent = nullptr);
  // The category kind chooses what is shown (see CategoryPreviewCalls).
  void setCategoryKind(int kind);
  int categoryKind() const { return kind_; }
  // The preview window in its own coordinates (the thumbnail draws the preview at this place).
  QRect previewWindowRect() const;
  // The preview as drawn for `size` logical pixels at `ratio` device pixels each.
  QImage render(QSize size, qreal ratio) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int kind_ = 1;
};

}  // namespace tessera::ui
