#pragma once
// A picture of the skin folder drawn with its alpha over a light chequerboard, scaled down to fit.
#include <QImage>
#include <QWidget>
#include <string>

namespace tessera::ui {

class PicturePreview final : public QWidget {
  Q_OBJECT
 public:
  explicit PicturePreview(QWidget* parent = nullptr);

  // Loads the picture through the program's image reader; an unreadable file shows nothing.
  bool showFile(const std::string& path);
  void clear();
  const QImage& picture() const { return picture_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace tessera::ui
