#include "ui/sheet/extra_value_editor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/platform/environment.h"
#include "ui/app/editor_launcher.h"
#include "ui/app/message_prompt.h"

namespace tessera::ui {

namespace {
QColor ToQColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
}  // namespace

ExtraValueEditor::ExtraValueEditor(QWidget* dialogParent, QWidget* parent)
    : QWidget(parent), dialogParent_(dialogParent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  stack_ = new QStackedWidget(this);
  layout->addWidget(stack_);
  flagPage_ = buildFlag();
  choicePage_ = buildChoice();
  colourPresetPage_ = buildPresetList(colourPresets_, &OpenColoursEditor);
  fontPresetPage_ = buildPresetList(fontPresets_, &OpenFontsEditor);
  colourPage_ = buildColour();
  numberPage_ = buildNumber();
  for (QWidget* page : {flagPage_, choicePage_, colourPresetPage_, fontPresetPage_, colourPage_, numberPage_})
    stack_->addWidget(page);
}

QWidget* ExtraValueEditor::buildFlag() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);
  flag_ = new QCheckBox(QStringLiteral("Enabled"), page);
  layout->addWidget(flag_);
  layout->addStretch();
  connect(flag_, &QCheckBox::toggled, this, [this](bool on) { writeValue(on ? "1" : "0"); });
  return page;
}

QWidget* ExtraValueEditor::buildChoice() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* group = new QButtonGroup(page);
  for (int i = 0; i < 3; ++i) {
    choices_[i] = new QRadioButton(page);
    group->addButton(choices_[i], i);
    layout->addWidget(choices_[i]);
  }
  connect(group, &QButtonGroup::idToggled, this, [this](int index, bool on) {
    if (!on) return;
    writeValue(std::to_string(ChoiceStoredValue(DataFolder(), entry_.name, index)));
  });
  return page;
}

QWidget* ExtraValueEditor::buildPresetList(QComboBox*& list, void (*openEditor)(QWidget*)) {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);
  list = new QComboBox(page);
  auto* more = new QToolButton(page);
  more->setText(QStringLiteral("..."));
  layout->addWidget(list, 1);
  layout->addWidget(more);
  QComboBox* combo = list;
  connect(combo, qOverload<int>(&QComboBox::activated), this, [this, combo](int row) {
    writePreset(combo, combo == colourPresets_ ? colourNumbers_ : fontNumbers_, row);
  });
  connect(more, &QToolButton::clicked, this, [this, combo, openEditor] {
    openEditor(dialogParent_);
    if (combo == colourPresets_) fillColourPresets(); else fillFontPresets();
  });
  return page;
}

QWidget* ExtraValueEditor::buildColour() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);
  colourButton_ = new QPushButton(QStringLiteral("Set colour..."), page);
  layout->addWidget(colourButton_);
  layout->addStretch();
  connect(colourButton_, &QPushButton::clicked, this, &ExtraValueEditor::chooseColour);
  return page;
}

QWidget* ExtraValueEditor::buildNumber() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);
  number_ = new QSpinBox(page);
  layout->addWidget(number_);
  layout->addStretch();
  connect(number_, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { writeValue(std::to_string(value)); });
  return page;
}

void ExtraValueEditor::edit(const ExtraEntry& entry) {
  entry_ = entry;
  const ExtraDefinition& d = entry.definition;
  loading_ = true;
  switch (d.type) {
    case extra_types::kFlag:
      flag_->setChecked(CurrentExtraInt(d) >= 1);
      stack_->setCurrentWidget(flagPage_);
      break;
    case extra_types::kChoice: {
      const QString labels[3] = {FromSkinText(d.value0), FromSkinText(d.value1), FromSkinText(d.value2)};
      for (int i = 0; i < 3; ++i) choices_[i]->setText(labels[i]);
      choices_[ChoiceOptionForValue(DataFolder(), entry.name, CurrentExtraInt(d))]->setChecked(true);
      stack_->setCurrentWidget(choicePage_);
      break;
    }
    case extra_types::kColourPreset:
      fillColourPresets();
      stack_->setCurrentWidget(colourPresetPage_);
      break;
    case extra_types::kFontPreset:
      fillFontPresets();
      stack_->setCurrentWidget(fontPresetPage_);
      break;
    case extra_types::kColour:
      stack_->setCurrentWidget(colourPage_);
      break;
    default:
      number_->setRange(std::min(d.rangeMin, d.rangeMax), std::max(d.rangeMin, d.rangeMax));
      number_->setValue(CurrentExtraInt(d));
      stack_->setCurrentWidget(numberPage_);
      break;
  }
  loading_ = false;
}

void ExtraValueEditor::fillColourPresets() {
  const bool wasLoading = std::exchange(loading_, true);
  colourPresets_->clear();
  colourNumbers_.clear();
  colourPresets_->addItem(QStringLiteral("OS Default"));
  for (const auto& preset : SkinColourPresets()) {
    colourPresets_->addItem(FromSkinText(preset.label));
    colourPresets_->setItemData(colourPresets_->count() - 1, ToQColor(preset.colour), Qt::ForegroundRole);
    colourNumbers_.push_back(preset.number);
  }
  selectPreset(colourPresets_, colourNumbers_);
  loading_ = wasLoading;
}

void ExtraValueEditor::fillFontPresets() {
  const bool wasLoading = std::exchange(loading_, true);
  fontPresets_->clear();
  fontNumbers_.clear();
  fontPresets_->addItem(QStringLiteral("OS Default"));
  for (const auto& preset : SkinFontPresets()) {
    fontPresets_->addItem(FromSkinText(preset.label));
    QFont font(FromSkinText(preset.fontName));
    font.setPointSize(std::clamp(preset.height, 6, 24));
    fontPresets_->setItemData(fontPresets_->count() - 1, font, Qt::FontRole);
    fontNumbers_.push_back(preset.number);
  }
  selectPreset(fontPresets_, fontNumbers_);
  loading_ = wasLoading;
}

void ExtraValueEditor::selectPreset(QComboBox* list, const std::vector<int>& numbers) {
  const ExtraDefinition& d = entry_.definition;
  const int value = CurrentExtraInt(d);
  if (!StoredExtraValue(d) || value < 0) {
    list->setCurrentIndex(0);
    return;
  }
  const auto found = std::find(numbers.begin(), numbers.end(), value);
  list->setCurrentIndex(found == numbers.end() ? -1 : static_cast<int>(found - numbers.begin()) + 1);
}

void ExtraValueEditor::writePreset(QComboBox*, const std::vector<int>& numbers, int row) {
  // "OS Default" removes the key, so the engine uses the system's own colour or font.
  if (row <= 0) {
    writeValue(std::nullopt);
  } else if (static_cast<std::size_t>(row - 1) < numbers.size()) {
    writeValue(std::to_string(numbers[static_cast<std::size_t>(row - 1)]));
  }
}

void ExtraValueEditor::chooseColour() {
  const auto current = ParseRgbValue(CurrentExtraText(entry_.definition));
  QColorDialog dialog(current ? ToQColor(*current) : QColor(Qt::black), dialogParent_);
  if (dialog.exec() != QDialog::Accepted) return;
  const QColor chosen = dialog.selectedColor();
  writeValue(FormatRgbValue(MakeColorRef(chosen.red(), chosen.green(), chosen.blue())));
}

void ExtraValueEditor::writeValue(std::optional<std::string_view> value) {
  if (loading_ || entry_.name.empty()) return;
  WriteExtraValue(entry_.definition, value);
  emit written();
}

}  // namespace tessera::ui
