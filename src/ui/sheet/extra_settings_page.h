#pragma once
// "Extra settings": a list of the keys only some sections have, each row its label and value,
// with the editor of the selected entry and its explanation below.
#include <vector>

#include "core/sheet/extra_settings.h"
#include "ui/sheet/property_page.h"

class QLabel;
class QTreeWidget;

namespace tessera::ui {

class ExtraValueEditor;
class RefreshTimer;

class ExtraSettingsPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit ExtraSettingsPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QTreeWidget* entryList() const { return list_; }
  ExtraValueEditor* valueEditor() const { return editor_; }
  QString noteText() const;
  RefreshTimer* refreshTimer() const { return refresh_; }
  void selectEntry(int index);

 private:
  void reload() override;
  void refreshAfterReload() override;
  void showSelected();
  void refreshRows();

  std::vector<ExtraEntry> entries_;
  QTreeWidget* list_ = nullptr;
  QLabel* note_ = nullptr;
  ExtraValueEditor* editor_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
