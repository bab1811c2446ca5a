#pragma once
// The editor under the "Extra settings" list: one control per entry type, showing the selected
// entry's value and writing every change into the skin at once.
#include <QWidget>
#include <vector>

#include "core/sheet/extra_settings.h"
#include "core/sheet/skin_presets.h"
#include "ui/sheet/skin_preset_list.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace tessera {
class SkinDocument;
}

namespace tessera::ui {

class ExtraValueEditor : public QWidget {
  Q_OBJECT
 public:
  // `dialogParent` parents the colour chooser and the preset editors.
  ExtraValueEditor(QWidget* dialogParent, SkinDocument* document, QWidget* parent = nullptr);

  // Shows the editor of `entry` with its current value.
  void edit(const ExtraEntry& entry);

  QCheckBox* flagBox() const { return flag_; }
  QRadioButton* choiceButton(int index) const { return choices_[index]; }
  QComboBox* colourPresetList() const { return colourPresetPage_->list(); }
  QComboBox* fontPresetList() const { return fontPresetPage_->list(); }
  QPushButton* colourButton() const { return colourButton_; }
  QSpinBox* numberBox() const { return number_; }

 signals:
  // The entry's key was written.
  void written();

 private:
  QWidget* buildFlag();
  QWidget* buildChoice();
  SkinPresetList* buildPresetList(SkinPresetList::Kind kind);
  QWidget* buildColour();
  QWidget* buildNumber();

  // Refills `list` and selects the preset whose number the entry holds: "OS Default" for a
  // missing or negative value, nothing for a number the skin has no preset of.
  void fillPresets(SkinPresetList& list);
  void writeValue(std::optional<std::string_view> value);
  void writePreset(const SkinPresetList& list, int row);
  void chooseColour();

  QWidget* dialogParent_;
  SkinDocument* document_;
  ExtraEntry entry_;
  bool loading_ = false;
  QStackedWidget* stack_ = nullptr;
  QCheckBox* flag_ = nullptr;
  QRadioButton* choices_[3] = {nullptr, nullptr, nullptr};
  QPushButton* colourButton_ = nullptr;
  QSpinBox* number_ = nullptr;
  QWidget* flagPage_ = nullptr;
  QWidget* choicePage_ = nullptr;
  SkinPresetList* colourPresetPage_ = nullptr;
  SkinPresetList* fontPresetPage_ = nullptr;
  QWidget* colourPage_ = nullptr;
  QWidget* numberPage_ = nullptr;
};

}  // namespace tessera::ui
