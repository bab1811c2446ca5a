#pragma once
// "Visibility" of a title-bar button: the conditions under which it shows, from the data
// folder's catalogue, as a list of check boxes.
#include "ui/pages/title_bar_button_page.h"

class QListWidget;
class QListWidgetItem;

namespace tessera::ui {

class ButtonVisibilityPage : public TitleBarButtonPage {
  Q_OBJECT
 public:
  explicit ButtonVisibilityPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QListWidget* conditionList() const { return list_; }

 protected:
  void startPage() override;
  void loadButton(const TitleBarButtonKeys* keys) override;

 private:
  void storeChecks(QListWidgetItem* changed);

  QListWidget* list_ = nullptr;
};

}  // namespace tessera::ui
