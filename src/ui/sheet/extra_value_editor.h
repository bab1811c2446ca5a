#pragma once
// The editor under the "Extra settings" list: one control per entry type, showing the selected
// entry's value and writing every change into the skin at once.
#include <QWidget>
#include <vector>

#include "core/sheet/extra_settings.h"
#include "core/sheet/skin_presets.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace tessera::ui {

class ExtraValueEditor : public QWidget {
  Q_OBJECT
 public:
  // `dialogParent` parents the colour chooser and the preset editors.
  ExtraValueEditor(QWidget* dialogParent, QWidget* parent = nullptr);

  // Shows the editor of `entry` with its current value.
  void edit(const ExtraEntry& entry);

  QCheckBox* flagBox() const { return flag_; }
  QRadioButton* choiceButton(int index) const { return choices_[index]; }
  QComboBox* colourPresetList() const { return colourPresets_; }
  QComboBox* fontPresetList() const { return fontPresets_; }
  QPushButton* colourButton() const { return colourButton_; }
  QSpinBox* numberBox() const { return number_; }

 signals:
  // The entry's key was written.
  void written();

 private:
  QWidget* buildFlag();
  QWidget* buildChoice();
  QWidget* buildPresetList(QComboBox*& list, void (*openEditor)(QWidget*));
  QWidget* buildColour();
  QWidget* buildNumber();

  void fillColourPresets();
  void fillFontPresets();
  // Selects the preset whose number the entry holds: "OS Default" for a missing or negative
  // value, nothing for a number the skin has no preset of.
  void selectPreset(QComboBox* list, const std::vector<int>& numbers);
  void writeValue(std::optional<std::string_view> value);
  void writePreset(QComboBox* list, const std::vector<int>& numbers, int row);
  void chooseColour();

  QWidget* dialogParent_;
  ExtraEntry entry_;
  bool loading_ = false;
  QStackedWidget* stack_ = nullptr;
  QCheckBox* flag_ = nullptr;
  QRadioButton* choices_[3] = {nullptr, nullptr, nullptr};
  QComboBox* colourPresets_ = nullptr;
  QComboBox* fontPresets_ = nullptr;
  std::vector<int> colourNumbers_;
  std::vector<int> fontNumbers_;
  QPushButton* colourButton_ = nullptr;
  QSpinBox* number_ = nullptr;
  QWidget* flagPage_ = nullptr;
  QWidget* choicePage_ = nullptr;
  QWidget* colourPresetPage_ = nullptr;
  QWidget* fontPresetPage_ = nullptr;
  QWidget* colourPage_ = nullptr;
  QWidget* numberPage_ = nullptr;
};

}  // namespace tessera::ui
