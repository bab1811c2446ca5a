#pragma once
// The small preview of a slot's picture, drawn as the picture view draws it (scaled to fit over
// light grey). A ZOR animation plays in a loop. A picture that cannot be loaded leaves the box empty.
#include <QImage>
#include <QWidget>
#include <string>

#include "core/image/zor_player.h"

namespace tessera::ui {

class SlotPreviewBox : public QWidget {
  Q_OBJECT
 public:
  explicit SlotPreviewBox(QWidget* parent = nullptr);

  // Loads the slot's file again (the file may have changed on disk).
  void showSlotFile(const std::string& slotValue);
  bool hasPicture() const { return !picture_.isNull() || animation_.isLoaded(); }
  // The animation shown (not loaded for still pictures).
  ZorPlayer& animation() { return animation_; }
  // Shows a sample window of the skin, as the preview library draws it, instead of the file.
  void setFrameSample(bool on) { frameSample_ = on; }
  // The sample window as it is drawn now (device pixels).
  QImage renderFrameSample() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  ZorPlayer animation_;
  bool frameSample_ = false;
};

}  // namespace tessera::ui
