#include "ui/sheet/extra_value_editor.h"

#include <QButtonGroup>
#include <QCheckBox>
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
#include "ui/app/message_prompt.h"
#include "ui/colours/colour_choosers.h"

namespace tessera::ui {

ExtraValueEditor::ExtraValueEditor(QWidget* dialogParent, SkinDocument* document, QWidget* parent)
    : QWidget(parent), dialogParent_(dialogParent), document_(document) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  stack_ = new QStackedWidget(this);
  layout->addWidget(stack_);
  flagPage_ = buildFlag();
  choicePage_ = buildChoice();
  colourPresetPage_ = buildPresetList(SkinPresetList::Kind::Colours);
  fontPresetPage_ = buildPresetList(SkinPresetList::Kind::Fonts);
  colourPage_ = buildColour();
  numberPage_ = buildNumber();
  for (QWidget* page : std::initializer_list<QWidget*>{flagPage_, choicePage_, colourPresetPage_, fontPresetPage_,
                                                    colourPage_, numberPage_})
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

SkinPresetList* ExtraValueEditor::buildPresetList(SkinPresetList::Kind kind) {
  auto* list = new SkinPresetList(kind, dialogParent_, document_, this);
  connect(list, &SkinPresetList::rowChosen, this, [this, list](int row) { writePreset(*list, row); });
  connect(list, &SkinPresetList::presetsEdited, this, [this, list] { fillPresets(*list); });
  return list;
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
      fillPresets(*colourPresetPage_);
      stack_->setCurrentWidget(colourPresetPage_);
      break;
    case extra_types::kFontPreset:
      fillPresets(*fontPresetPage_);
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

void ExtraValueEditor::fillPresets(SkinPresetList& list) {
  list.refill();
  const ExtraDefinition& d = entry_.definition;
  const int value = CurrentExtraInt(d);
  if (!StoredExtraValue(d) || value < 0) {
    list.list()->setCurrentIndex(0);
    return;
  }
  const std::vector<int>& numbers = list.numbers();
  const auto found = std::find(numbers.begin(), numbers.end(), value);
  list.list()->setCurrentIndex(found == numbers.end() ? -1 : static_cast<int>(found - numbers.begin()) + 1);
}

void ExtraValueEditor::writePreset(const SkinPresetList& list, int row) {
  // "OS Default" removes the key, so the engine uses the system's own colour or font.
  const std::vector<int>& numbers = list.numbers();
  if (row <= 0) {
    writeValue(std::nullopt);
  } else if (static_cast<std::size_t>(row - 1) < numbers.size()) {
    writeValue(std::to_string(numbers[static_cast<std::size_t>(row - 1)]));
  }
}

void ExtraValueEditor::chooseColour() {
  const auto current = ParseRgbValue(CurrentExtraText(entry_.definition));
  if (const auto chosen = CurrentColourChooser()(dialogParent_, current.value_or(MakeColorRef(0, 0, 0))))
    writeValue(FormatRgbValue(*chosen));
}

void ExtraValueEditor::writeValue(std::optional<std::string_view> value) {
  if (loading_ || entry_.name.empty()) return;
  WriteExtraValue(entry_.definition, value);
  emit written();
}

}  // namespace tessera::ui
