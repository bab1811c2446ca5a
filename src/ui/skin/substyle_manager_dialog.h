#pragma once
// "Substyle management": the sub-styles of a skin in their order, with buttons to add, rename,
// delete and move them and to pick the default of each platform generation.
#include <QDialog>
#include <QPointer>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "core/skin/substyle_manager.h"
#include "core/skin/skin_document.h"

namespace tessera::ui {

class SubStyleManagerDialog final : public QDialog {
  Q_OBJECT
 public:
  SubStyleManagerDialog(SkinDocument* document, std::string skinsFolder, std::string skinName, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* renameButton() const { return rename_; }
  QPushButton* deleteButton() const { return delete_; }
  QPushButton* upButton() const { return up_; }
  QPushButton* downButton() const { return down_; }
  QPushButton* vistaDefaultButton() const { return vistaDefault_; }
  QPushButton* sevenDefaultButton() const { return sevenDefault_; }

  // Fills the rows again and selects `row` (row 0 when it does not exist).
  void refill(int row);

 private:
  QPointer<SkinDocument> document_;
  void updateButtons();
  void addSubStyle();
  void renameSubStyle();
  void deleteSubStyle();
  // Whether the row is the file the editor has open as its main file.
  bool isOpenForEditing(int row) const;
  // Runs an operation on the selected row, shows a refusal and refills with its selection.
  template <typename Operation>
  void runOnSelected(Operation operation, const QString& stepName);

  SubStyleManager manager_;
  QListWidget* list_;
  QPushButton* add_;
  QPushButton* rename_;
  QPushButton* delete_;
  QPushButton* up_;
  QPushButton* down_;
  QPushButton* vistaDefault_;
  QPushButton* sevenDefault_;
};

}  // namespace tessera::ui
