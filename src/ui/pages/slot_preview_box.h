#pragma once
// The small preview of a slot's picture, drawn as the picture view draws it (scaled to fit over
// light grey). A picture that cannot be loaded leaves the box empty.
#include <QImage>
#include <QWidget>
#include <string>

namespace tessera::ui {

class SlotPreviewBox : public QWidget {
  Q_OBJECT
 public:
  explicit SlotPreviewBox(QWidget* parent = nullptr);

  // Loads the slot's file again (the file may have changed on disk).
  void showSlotFile(const std::string& slotValue);
  bool hasPicture() const { return !picture_.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace tessera::ui
