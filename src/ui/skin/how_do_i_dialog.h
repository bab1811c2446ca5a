#pragma once
// "How do I?": common on/off switches of the open skin, listed from the data folder's task
// catalogue. Ticking "Enabled" writes the task's key at once; "Close" keeps what was written
// (each switch is its own undo step).
#include <QDialog>
#include <QPointer>
#include <vector>

#include "core/skin/how_do_i.h"
#include "core/skin/skin_document.h"

class QCheckBox;
class QListWidget;
class QPlainTextEdit;

namespace tessera::ui {

class HowDoIDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit HowDoIDialog(SkinDocument* document, QWidget* parent = nullptr);

  QListWidget* taskList() const { return list_; }
  QPlainTextEdit* textArea() const { return text_; }
  QCheckBox* enabledBox() const { return enabled_; }

 private:
  QPointer<SkinDocument> document_;
  void showTask(int row);
  void enabledClicked(bool checked);
  void markRows();

  std::vector<HowDoITask> tasks_;
  QListWidget* list_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QCheckBox* enabled_ = nullptr;
};

}  // namespace tessera::ui
