#pragma once
// "Set Skin Properties": the skin's name, author, contact, notes, title and category.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tessera::ui {

class SkinPropertiesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SkinPropertiesDialog(QWidget* parent = nullptr);
  // "Save": writes the seven keys through the section store.
  void save();

 protected:
  void done(int result) override;

 private:
  QLineEdit* name_ = nullptr;
  QLineEdit* author_ = nullptr;
  QLineEdit* email_ = nullptr;
  QLineEdit* url_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;
  QLineEdit* activeTitle_ = nullptr;
  QComboBox* category_ = nullptr;
};

// The categories a skin can be filed under.
const QStringList& SkinCategories();

}  // namespace tessera::ui
