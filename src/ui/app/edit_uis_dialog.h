#pragma once
// "Edit UIS1 Frames": a heading, an instruction line, two drawn areas and OK / Cancel.
#include <QDialog>

namespace tessera::ui {

class CEditUIS : public QDialog {
 public:
  explicit CEditUIS(QWidget* parent = nullptr);
};

}  // namespace tessera::ui
