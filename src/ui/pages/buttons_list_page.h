#pragma once
// "Buttons": the skin's title-bar buttons in order, with "Add", "Delete", "U" and "D".
#include "ui/pages/title_bar_button_page.h"

class QListWidget;
class QPushButton;

namespace tessera::ui {

class ButtonsListPage : public TitleBarButtonPage {
  Q_OBJECT
 public:
  explicit ButtonsListPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QListWidget* rowList() const { return list_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* deleteButton() const { return delete_; }
  QPushButton* upButton() const { return up_; }
  QPushButton* downButton() const { return down_; }

  void addButtonRow();
  // Asks first; returns without a change unless the answer is Yes.
  void deleteSelectedButton();
  void moveSelectedUp();
  void moveSelectedDown();

 protected:
  int rebuildButtonList(int select) override;
  void loadButton(const TitleBarButtonKeys*) override {}
  void startPage() override;

 private:
  void reselect(int row);

  QListWidget* list_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* up_ = nullptr;
  QPushButton* down_ = nullptr;
};

}  // namespace tessera::ui
