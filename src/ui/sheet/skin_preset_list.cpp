#include "ui/sheet/skin_preset_list.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "core/sheet/skin_presets.h"
#include "ui/app/editor_launcher.h"
#include "ui/app/message_prompt.h"

namespace tessera::ui {

SkinPresetList::SkinPresetList(Kind kind, QWidget* dialogParent, SkinDocument* document, QWidget* parent)
    : QWidget(parent), kind_(kind), dialogParent_(dialogParent), document_(document), list_(new QComboBox(this)), edit_(new QToolButton(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  edit_->setText(QStringLiteral("..."));
  layout->addWidget(list_, 1);
  layout->addWidget(edit_);
  connect(list_, qOverload<int>(&QComboBox::activated), this, &SkinPresetList::rowChosen);
  connect(edit_, &QToolButton::clicked, this, [this] {
    // The editor opens at the preset chosen here: its rows are the presets without "OS Default".
    const int startRow = std::max(0, list_->currentIndex() - 1);
    if (kind_ == Kind::Colours)
      OpenColoursEditor(dialogParent_, document_, startRow);
    else
      OpenFontsEditor(dialogParent_, document_, startRow);
    refill();
    emit presetsEdited();
  });
  refill();
}

void SkinPresetList::refill() {
  const QSignalBlocker blocker(list_);
  list_->clear();
  numbers_.clear();
  list_->addItem(QStringLiteral("OS Default"));
  if (kind_ == Kind::Colours) {
    for (const ColourPreset& preset : SkinColourPresets()) {
      list_->addItem(FromSkinText(preset.label));
      // The list shows each entry in its own colour (0x00BBGGRR).
      const QColor colour(preset.colour & 0xff, (preset.colour >> 8) & 0xff, (preset.colour >> 16) & 0xff);
      list_->setItemData(list_->count() - 1, colour, Qt::ForegroundRole);
      numbers_.push_back(preset.number);
    }
  } else {
    for (const FontPreset& preset : SkinFontPresets()) {
      list_->addItem(FromSkinText(preset.label));
      QFont font(FromSkinText(preset.fontName));
      // Held to a readable size, so a huge or odd height cannot blow up the row.
      font.setPointSize(std::clamp(preset.height, 6, 24));
      list_->setItemData(list_->count() - 1, font, Qt::FontRole);
      numbers_.push_back(preset.number);
    }
  }
}

}  // namespace tessera::ui
