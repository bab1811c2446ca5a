#pragma once
// "Create new skin": the kind of skin and its name; "Create" copies the matching template of the
// data folder under that name.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "core/skin/new_skin.h"

namespace tessera::ui {

class NewSkinDialog final : public QDialog {
  Q_OBJECT
 public:
  NewSkinDialog(std::string skinsFolder, QWidget* parent = nullptr);

  // The created skin's name ("" until "Create" succeeded).
  const std::string& createdName() const { return createdName_; }
  SkinType chosenType() const;

  QLineEdit* nameEdit() const { return name_; }
  QRadioButton* typeButton(SkinType type) const;
  QPushButton* createButton() const { return create_; }

 private:
  void create();

  std::string skinsFolder_;
  std::string createdName_;
  QRadioButton* basic_;
  QRadioButton* advanced_;
  QRadioButton* uis0_;
  QLineEdit* name_;
  QPushButton* create_;
};

}  // namespace tessera::ui
