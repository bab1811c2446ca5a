#pragma once
// The "Text" page's own preview: the section and a sample text drawn by the preview library in
// the chosen state, so alignment, colour, font and content margins show as the engine draws them.
#include <QImage>
#include <QWidget>

namespace tessera::ui {

class TextPreviewBox : public QWidget {
  Q_OBJECT
 public:
  explicit TextPreviewBox(QWidget* parent = nullptr);

  void setStateIndex(int stateIndex);
  // What the box shows now.
  QImage render() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int stateIndex_ = 0;
};

}  // namespace tessera::ui
