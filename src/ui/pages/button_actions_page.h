#pragma once
// "Actions" of a title-bar button: what a click does (also with Shift or Ctrl held in the
// Personality layout), its command, plug-in library, linked button and sounds.
#include "ui/pages/title_bar_button_page.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace tessera::ui {

class ButtonActionsPage : public TitleBarButtonPage {
  Q_OBJECT
 public:
  explicit ButtonActionsPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QComboBox* actionList() const { return action_; }
  QComboBox* shiftActionList() const { return shift_; }
  QComboBox* ctrlActionList() const { return ctrl_; }
  QLineEdit* commandEdit() const { return command_; }
  QLineEdit* dllEdit() const { return dll_; }
  QComboBox* linkedList() const { return linked_; }
  QComboBox* pressSoundList() const { return inSound_; }
  QComboBox* releaseSoundList() const { return outSound_; }

 protected:
  void startPage() override;
  int rebuildButtonList(int select) override;
  void loadButton(const TitleBarButtonKeys* keys) override;

 private:
  QComboBox* addList(const QString& label, QWidget** labelOut = nullptr);
  QLineEdit* addEdit(const QString& label);
  void connectAction(QComboBox* list, const char* key);
  void connectSound(QComboBox* list, const char* key);
  void connectText(QLineEdit* edit, const char* key);

  QComboBox* action_ = nullptr;
  QComboBox* shift_ = nullptr;
  QComboBox* ctrl_ = nullptr;
  QWidget* shiftLabel_ = nullptr;
  QWidget* ctrlLabel_ = nullptr;
  QLineEdit* command_ = nullptr;
  QLineEdit* dll_ = nullptr;
  QComboBox* linked_ = nullptr;
  QComboBox* inSound_ = nullptr;
  QComboBox* outSound_ = nullptr;
  QFormLayout* form_ = nullptr;
};

}  // namespace tessera::ui
