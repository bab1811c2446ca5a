#pragma once
// "Help": what the catalogue says about the entry being edited, the order of the frames in its
// pictures, an example of the control in use, a link to the wiki and deletion of the section.
#include "ui/sheet/property_page.h"

class QLabel;
class QPushButton;

namespace tessera::ui {

class ExampleBox;
class StateColumns;

class HelpPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit HelpPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QString helpText() const;
  // The "StateDesc" text, or empty when the state list is shown.
  QString stateDescription() const;
  QStringList stateNames() const;
  bool showsExample() const;

  QPushButton* wikiButton() const { return wikiButton_; }
  QPushButton* deleteButton() const { return deleteButton_; }

 private:
  void openWiki();
  void deleteSection();

  QLabel* helpText_ = nullptr;
  QLabel* stateDescription_ = nullptr;
  StateColumns* stateColumns_ = nullptr;
  ExampleBox* exampleBox_ = nullptr;
  QPushButton* wikiButton_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
};

}  // namespace tessera::ui
