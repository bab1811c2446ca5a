#pragma once
// "Edit UIS1 Frames": a heading, an instruction line, two drawn areas and OK / Cancel.
#include <QDialog>

namespace tessera::ui {

class FramesEditorDialog : public QDialog {
 public:
  explicit FramesEditorDialog(QWidget* parent = nullptr);
};

}  // namespace tessera::ui
