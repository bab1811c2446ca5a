#pragma once
// The two small dialogs of the sub-style manager: "Create new substyle" and "Rename substyle".
#include <QDialog>
#include <QPointer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/skin/substyle_manager.h"
#include "core/skin/skin_document.h"

namespace tessera::ui {

// A name and the existing sub-style to base it on; "Create" adds it through the manager.
class NewSubStyleDialog final : public QDialog {
  Q_OBJECT
 public:
  NewSubStyleDialog(SkinDocument* document, SubStyleManager& manager, QWidget* parent = nullptr);

  QLineEdit* nameEdit() const { return name_; }
  QListWidget* baseList() const { return bases_; }
  QPushButton* createButton() const { return create_; }

 private:
  QPointer<SkinDocument> document_;
  void create();

  SubStyleManager& manager_;
  QLineEdit* name_;
  QListWidget* bases_;
  QPushButton* create_;
};

// The display name of one sub-style, the name the engine's configuration program shows.
class RenameSubStyleDialog final : public QDialog {
  Q_OBJECT
 public:
  RenameSubStyleDialog(const QString& currentName, QWidget* parent = nullptr);

  QString newName() const { return name_->text(); }
  QLineEdit* nameEdit() const { return name_; }
  QPushButton* renameButton() const { return rename_; }

 private:
  QLineEdit* name_;
  QPushButton* rename_;
};

}  // namespace tessera::ui
