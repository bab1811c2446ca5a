#pragma once
// "Enter new skin name" (save as): copies the skin being edited under a name no skin has yet.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <string>

namespace tessera::ui {

class SaveAsDialog final : public QDialog {
  Q_OBJECT
 public:
  SaveAsDialog(std::string skinsFolder, std::string currentSkin, QWidget* parent = nullptr);

  // The name the skin was copied to ("" until "OK" succeeded).
  const std::string& newName() const { return newName_; }

  QLineEdit* nameEdit() const { return name_; }
  QPushButton* okButton() const { return ok_; }

 private:
  void saveAs();

  std::string skinsFolder_;
  std::string currentSkin_;
  std::string newName_;
  QLineEdit* name_;
  QPushButton* ok_;
};

}  // namespace tessera::ui
