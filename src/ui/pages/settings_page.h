#pragma once
// "Settings": the picture (or animation) of a shell or animation section, its alpha flag and
// the colours the catalogue gives the section.
#include <vector>

#include "core/pages/settings_colours.h"
#include "ui/sheet/property_page.h"

class QCheckBox;
class QColor;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace tessera::ui {

class ExampleBox;
class ImageSlotPanel;
class NoteBox;
class RefreshTimer;
class ScreenPickIcon;

class SettingsPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit SettingsPage(SectionEditorContext& editor, QWidget* parent = nullptr);


  ImageSlotPanel* slotPanel() const { return panel_; }
  QCheckBox* alphaBox() const { return alpha_; }
  QLabel* notImplementedLabel() const { return notImplemented_; }
  QListWidget* colourList() const { return colours_; }
  QPushButton* changeButton() const { return change_; }
  QFrame* swatch() const { return swatch_; }
  // The colour the swatch shows (the selected entry's).
  QColor swatchColour() const;

  // "Change...": the colour chooser, preset from the selected entry.
  void changeColour();
  // A colour picked from the screen: asks before it replaces the selected entry's colour.
  void offerPickedColour(const QColor& colour);

 private:
  void reload() override;
  void refreshAfterReload() override;
  void showSelectedColour();
  void writeSelectedColour(const QColor& colour);
  const ColourEntry* selectedEntry() const;

  std::vector<ColourEntry> entries_;
  ImageSlotPanel* panel_ = nullptr;
  QCheckBox* alpha_ = nullptr;
  QLabel* notImplemented_ = nullptr;
  QLabel* coloursLabel_ = nullptr;
  QListWidget* colours_ = nullptr;
  QFrame* swatch_ = nullptr;
  QPushButton* change_ = nullptr;
  ScreenPickIcon* picker_ = nullptr;
  NoteBox* notes_ = nullptr;
  ExampleBox* example_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
