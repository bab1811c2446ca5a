#pragma once
// The picture area of the import dialog: the chosen picture over white, shrunk to fit (never
// enlarged) and centred; plain white when the file cannot be read.
#include <QImage>
#include <QWidget>
#include <string>

namespace tessera::ui {

class ImportPreview : public QWidget {
  Q_OBJECT
 public:
  explicit ImportPreview(QWidget* parent = nullptr);

  void setPath(const std::string& path);
  bool hasPicture() const { return !picture_.isNull(); }
  // The scale the picture is drawn at in the current area.
  double scaleFactor() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;  // already composited over white
};

}  // namespace tessera::ui
