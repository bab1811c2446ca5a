#include "ui/pages/text_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/sheet/section_preview.h"
#include "ui/app/message_prompt.h"
#include "ui/common/number_field.h"
#include "ui/sheet/skin_preset_list.h"
#include "ui/pages/text_preview_box.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {

constexpr std::array<const char*, 4> kContentKeys = {text_keys::kContentTop, text_keys::kContentBottom,
                                                     text_keys::kContentLeft, text_keys::kContentRight};
constexpr std::array<const char*, 4> kContentLabels = {"Top", "Bottom", "Left", "Right"};

QComboBox* alignmentList(QWidget* parent, std::initializer_list<const char*> entries) {
  auto* list = new QComboBox(parent);
  for (const char* entry : entries) list->addItem(QString::fromLatin1(entry));
  return list;
}

}  // namespace

TextPage::TextPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Text"), parent) {
  refresh_ = RefreshTimer::forSectionPreviewPage(this, editor, [this] { preview_->update(); });
  catalogue_ = ReadTextPageCatalogue(currentSection());
  // The preview draws from the preview library's copy of the section.
  ReloadSectionPreview(currentSection(), currentTopLevelSection());

  auto* layout = new QVBoxLayout(this);
  stateControls_ = buildStateControls();
  layout->addWidget(stateControls_);
  layout->addWidget(buildContentMargins());
  layout->addStretch(1);
  // Sections that draw no text keep only their content margins.
  stateControls_->setVisible(!catalogue_.noContent);

  loadState();
  finishLoading();
}

QWidget* TextPage::buildStateControls() {
  auto* box = new QWidget(this);
  auto* form = new QFormLayout(box);
  stateList_ = new QComboBox(box);
  for (const std::string& name : catalogue_.stateNames) stateList_->addItem(FromSkinText(name));
  stateList_->setCurrentIndex(stateList_->count() > 0 ? 0 : -1);
  horizontal_ = alignmentList(box, {"OS Default", "Align Left", "Align Centre", "Align Right"});
  vertical_ = alignmentList(box, {"OS Default", "Align Top", "Align Centre", "Align Bottom"});
  colours_ = new SkinPresetList(SkinPresetList::Kind::Colours, editor().editorWindow(), editor().document(), box);
  fonts_ = new SkinPresetList(SkinPresetList::Kind::Fonts, editor().editorWindow(), editor().document(), box);
  preview_ = new TextPreviewBox(box);
  form->addRow(QStringLiteral("State to modify :"), stateList_);
  form->addRow(QStringLiteral("Horizontal alignment :"), horizontal_);
  form->addRow(QStringLiteral("Vertical alignment :"), vertical_);
  form->addRow(QStringLiteral("Text colour :"), colours_);
  form->addRow(QStringLiteral("Text font :"), fonts_);
  form->addRow(preview_);

  connect(stateList_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int index) {
    loadState();
    preview_->setStateIndex(index);
  });
  connect(horizontal_, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int value) { writeAlignment(true, value); });
  connect(vertical_, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int value) { writeAlignment(false, value); });
  connect(colours_, &SkinPresetList::rowChosen, this, [this](int row) { writePreset(true, row); });
  connect(fonts_, &SkinPresetList::rowChosen, this, [this](int row) { writePreset(false, row); });
  // The editors behind "..." may renumber or rename presets: show the state's keys again.
  for (SkinPresetList* list : {colours_, fonts_})
    connect(list, &SkinPresetList::presetsEdited, this, [this] {
      selectPresets(ReadTextState(currentSection(), stateList_->currentIndex()));
      refresh_->start();
    });
  return box;
}

QWidget* TextPage::buildContentMargins() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel(QStringLiteral("Content margins :"), box), 0, 0, 1, 2);
  for (std::size_t i = 0; i < content_.size(); ++i) {
    auto* spin = SizedToContent(new QSpinBox(box));
    spin->setRange(kContentMarginMin, kContentMarginMax);
    spin->setValue(ReadTextContentMargin(currentSection(), kContentKeys[i]));
    grid->addWidget(new QLabel(QString::fromLatin1(kContentLabels[i]), box), static_cast<int>(i) + 1, 0);
    grid->addWidget(spin, static_cast<int>(i) + 1, 1);
    const char* key = kContentKeys[i];
    connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, [this, key](int value) {
      if (isLoading()) return;
      WriteIntKey(currentSection(), key, value);
      refresh_->start();
    });
    content_[i] = spin;
  }
  return box;
}

void TextPage::loadState() {
  const LoadingScope loading(this);
  const TextStateValues values = ReadTextState(currentSection(), stateList_->currentIndex());
  horizontal_->setCurrentIndex(values.horizontalAlignment >= 0 && values.horizontalAlignment < horizontal_->count()
                                   ? values.horizontalAlignment : -1);
  vertical_->setCurrentIndex(values.verticalAlignment >= 0 && values.verticalAlignment < vertical_->count()
                                 ? values.verticalAlignment : -1);
  selectPresets(values);
}

void TextPage::reload() {
  colours_->refill();
  fonts_->refill();
  loadState();
  for (std::size_t i = 0; i < content_.size(); ++i) content_[i]->setValue(ReadTextContentMargin(currentSection(), kContentKeys[i]));
}

void TextPage::refreshAfterReload() { refresh_->start(); }

void TextPage::selectPresets(const TextStateValues& values) {
  const QSignalBlocker colourBlocker(colours_->list());
  const QSignalBlocker fontBlocker(fonts_->list());
  colours_->list()->setCurrentIndex(PresetRowForValue(colours_->numbers(), values.colourPreset));
  fonts_->list()->setCurrentIndex(PresetRowForValue(fonts_->numbers(), values.fontPreset));
}

void TextPage::writeAlignment(bool horizontal, int value) {
  if (isLoading() || value < 0) return;
  const TextStateKeys keys = TextKeysForState(stateList_->currentIndex());
  WriteIntKey(currentSection(), horizontal ? keys.horizontalAlignment : keys.verticalAlignment, value);
  refresh_->start();
}

void TextPage::writePreset(bool colour, int row) {
  SkinPresetList* list = colour ? colours_ : fonts_;
  if (isLoading() || row < 0 || row > static_cast<int>(list->numbers().size())) return;
  const TextStateKeys keys = TextKeysForState(stateList_->currentIndex());
  // "OS Default" removes the key, so the engine keeps the system's colour or font.
  WritePresetKey(currentSection(), colour ? keys.colour : keys.font, PresetForRow(list->numbers(), row));
  refresh_->start();
}

}  // namespace tessera::ui
