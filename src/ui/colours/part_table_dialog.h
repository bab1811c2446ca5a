#pragma once
// "Modify Vista / 7 part colours" and "Modify Vista part fonts": the thirteen part classes, the
// records of the chosen class's table with their display names, a preview of the selected
// record, changing a record (which gives the skin its own copy of the table), and reverting a
// class to the template. Close keeps the changes; Cancel, Escape and the close box take back
// what was changed while the dialog was open.
#include <QDialog>
#include <QPointer>
#include <vector>

#include "core/colours/part_file.h"
#include "core/skin/skin_document.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tessera::ui {

class PartTableDialog final : public QDialog {
  Q_OBJECT

 public:
  PartTableDialog(SkinDocument* document, PartKind kind, QWidget* parent = nullptr);
  ~PartTableDialog() override;

  PartKind kind() const { return kind_; }
  QComboBox* classList() const { return classList_; }
  QListWidget* recordList() const { return recordList_; }
  QLabel* preview() const { return preview_; }
  const std::vector<PartRecord>& records() const { return records_; }
  // The class section of the class list's current row.
  std::string currentClass() const;

  void done(int result) override;

 private:
  QPointer<SkinDocument> document_;
  void loadClass();
  void fillRows();
  void showPreview();
  void changeRecord();
  void revertClass();

  PartKind kind_;
  QComboBox* classList_ = nullptr;
  QListWidget* recordList_ = nullptr;
  QLabel* preview_ = nullptr;
  QPushButton* changeButton_ = nullptr;
  std::vector<PartRecord> records_;
  int cancelPoint_ = -1;
};

}  // namespace tessera::ui
