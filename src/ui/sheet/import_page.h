#pragma once
// "Import": copies every key of another section of the skin into the section being edited.
#include "ui/sheet/property_page.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace tessera::ui {

class ImportPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit ImportPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QListWidget* sourceList() const { return list_; }
  QCheckBox* keepImageBox() const { return keepImage_; }
  QPushButton* importButton() const { return import_; }

 private:
  void importSelected();

  QListWidget* list_ = nullptr;
  QCheckBox* keepImage_ = nullptr;
  QPushButton* import_ = nullptr;
};

}  // namespace tessera::ui
