#pragma once
// "How many frames?": asks for the frame count of a strip to compress.
#include <QDialog>

class QSpinBox;

namespace tessera::ui {

class FrameCountDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FrameCountDialog(QWidget* parent = nullptr);
  int frames() const;
  QSpinBox* numberBox() const { return numberBox_; }

 private:
  QSpinBox* numberBox_ = nullptr;
};

}  // namespace tessera::ui
