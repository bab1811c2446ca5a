#pragma once
// "Example of the control in use": the catalogue's example picture of a section in a bordered
// box under a pale header band. Hidden when there is no picture or it does not load.
#include <QFrame>
#include <string>

namespace tessera::ui {

class ExampleBox : public QFrame {
  Q_OBJECT
 public:
  // `picturePath` is the full path of the example picture (empty = none).
  explicit ExampleBox(const std::string& picturePath, QWidget* parent = nullptr);

  bool hasPicture() const { return hasPicture_; }

 private:
  bool hasPicture_ = false;
};

}  // namespace tessera::ui
