#include "ui/pages/caption_personality_pages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "ui/colours/colour_choosers.h"
#include "ui/common/number_field.h"
#include "ui/pages/caption_choosers.h"
#include "ui/pages/caption_margins_panel.h"
#include "ui/sheet/refresh_timer.h"
#include "core/platform/skin_text.h"

namespace tessera::ui {

namespace {

constexpr const char* kUse3DText = "Use3DText";
constexpr const char* kNoShadowInactiveText = "NoShadowInactiveText";
constexpr const char* kShadowOffset = "ShadowOffset";
constexpr const char* kShadowOffsetY = "ShadowOffsetY";
constexpr const char* kFrontString = "FrontString";
constexpr const char* kEndString = "EndString";
constexpr const char* kTextOnBottom = "TextOnBottom";
constexpr int kDefaultShadowOffset = 1;

constexpr std::array<const RgbKeys*, 3> kColourKeys = {&kShadowColourKeys, &kActiveTextColourKeys,
                                                      &kInactiveTextColourKeys};

}  // namespace

CaptionPage::CaptionPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Caption"), parent) {
  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); });
  auto* layout = new QVBoxLayout(this);
  margins_ = new CaptionMarginsPanel(kPersonalityMargins, this);
  connect(margins_, &CaptionMarginsPanel::written, refresh_, &RefreshTimer::start);
  layout->addWidget(margins_);
  onBottom_ = new QCheckBox(QStringLiteral("Draw text on the bottom frame instead of the top frame"), this);
  onBottom_->setChecked(ReadCaptionInt(caption_sections::kPersonality, kTextOnBottom, 0) == 1);
  connect(onBottom_, &QCheckBox::toggled, this, [this](bool on) {
    if (isLoading()) return;
    WriteCaptionText(caption_sections::kPersonality, kTextOnBottom, on ? "1" : "0");
    refresh_->start();
  });
  layout->addWidget(onBottom_);
  layout->addStretch(1);
  finishLoading();
}

TextSettingsPage::TextSettingsPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Text settings"), parent) {
  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildShadow());
  layout->addWidget(buildCaptionText());
  layout->addStretch(1);
  finishLoading();
}

QWidget* TextSettingsPage::buildShadow() {
  auto* box = new QWidget(this);
  auto* form = new QFormLayout(box);
  auto* modes = new QHBoxLayout;
  auto* group = new QButtonGroup(box);
  const char* labels[] = {"No shadow", "Basic shadow", "Outlined mode"};
  const int mode = ReadCaptionInt(caption_sections::kText, kUse3DText, 0);
  for (int i = 0; i < 3; ++i) {
    auto* button = new QRadioButton(QString::fromLatin1(labels[i]), box);
    button->setChecked(mode == i);
    group->addButton(button, i);
    modes->addWidget(button);
    shadowMode_[static_cast<std::size_t>(i)] = button;
  }
  form->addRow(modes);
  connect(group, &QButtonGroup::idClicked, this, [this](int value) {
    if (isLoading()) return;
    WriteCaptionInt(caption_sections::kText, kUse3DText, value);
    refresh_->start();
  });

  noInactiveShadow_ = new QCheckBox(QStringLiteral("Do not use a shadow for inactive windows"), box);
  noInactiveShadow_->setChecked(ReadCaptionInt(caption_sections::kText, kNoShadowInactiveText, 0) == 1);
  connect(noInactiveShadow_, &QCheckBox::toggled, this, [this](bool on) {
    if (isLoading()) return;
    WriteCaptionText(caption_sections::kText, kNoShadowInactiveText, on ? "1" : "0");
    refresh_->start();
  });
  form->addRow(noInactiveShadow_);

  shadowX_ = SizedToContent(new QSpinBox(box));
  shadowY_ = SizedToContent(new QSpinBox(box));
  for (QSpinBox* spin : {shadowX_, shadowY_}) spin->setRange(kCaptionMarginMin, kCaptionMarginMax);
  shadowX_->setValue(ReadCaptionInt(caption_sections::kText, kShadowOffset, kDefaultShadowOffset));
  shadowY_->setValue(ReadIntOr(caption_sections::kText, kShadowOffsetY, kShadowOffset, kDefaultShadowOffset));
  connect(shadowX_, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
    if (isLoading()) return;
    WriteCaptionInt(caption_sections::kText, kShadowOffset, value);
    // A Y offset without a key of its own follows the X offset.
    const QSignalBlocker blocker(shadowY_);
    shadowY_->setValue(ReadIntOr(caption_sections::kText, kShadowOffsetY, kShadowOffset, kDefaultShadowOffset));
    refresh_->start();
  });
  connect(shadowY_, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
    if (isLoading()) return;
    WriteCaptionInt(caption_sections::kText, kShadowOffsetY, value);
    refresh_->start();
  });
  form->addRow(QStringLiteral("Shadow X offset :"), shadowX_);
  form->addRow(QStringLiteral("Shadow Y offset :"), shadowY_);
  form->addRow(colourRow(kShadowColour, "Shadow / outline colour :"));
  return box;
}

QWidget* TextSettingsPage::buildCaptionText() {
  auto* box = new QWidget(this);
  auto* form = new QFormLayout(box);
  front_ = textBox(kFrontString);
  end_ = textBox(kEndString);
  form->addRow(QStringLiteral("Text to add to the front of the caption :"), front_);
  form->addRow(QStringLiteral("Text to add to the end of the caption :"), end_);
  form->addRow(colourRow(kActiveColour, "Active caption text colour :"));
  form->addRow(colourRow(kInactiveColour, "Inactive caption text colour :"));
  fontButton_ = new QPushButton(QStringLiteral("Change caption font..."), box);
  connect(fontButton_, &QPushButton::clicked, this, &TextSettingsPage::chooseFont);
  form->addRow(fontButton_);
  return box;
}

QWidget* TextSettingsPage::colourRow(CaptionColour which, const char* label) {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* swatch = new QFrame(row);
  swatch->setFrameShape(QFrame::Box);
  swatch->setFixedSize(32, 16);
  swatch->setAutoFillBackground(true);
  auto* button = new QPushButton(QStringLiteral("Change..."), row);
  layout->addWidget(new QLabel(QString::fromLatin1(label), row), 1);
  layout->addWidget(swatch);
  layout->addWidget(button);
  swatches_[which] = swatch;
  colourButtons_[which] = button;
  showColour(which);
  connect(button, &QPushButton::clicked, this, [this, which] { chooseColour(which); });
  return row;
}

QLineEdit* TextSettingsPage::textBox(const char* key) {
  auto* edit = new QLineEdit(FromSkinText(ReadSkinString(caption_sections::kPersonality, key, "", Session().mainFile)), this);
  connect(edit, &QLineEdit::textEdited, this, [this, key](const QString& text) {
    if (isLoading()) return;
    WriteCaptionFreeText(caption_sections::kPersonality, key, ToSkinText(text));
    refresh_->start();
  });
  return edit;
}

void TextSettingsPage::showColour(CaptionColour which) {
  QPalette palette = swatches_[which]->palette();
  palette.setColor(QPalette::Window, ReadRgbKeys(*kColourKeys[which]));
  swatches_[which]->setPalette(palette);
}

void TextSettingsPage::chooseColour(CaptionColour which) {
  const std::optional<ColorRef> chosen =
      CurrentColourChooser()(editor().editorWindow(), ColourFromQt(ReadRgbKeys(*kColourKeys[which])));
  if (!chosen) return;
  WriteRgbKeys(*kColourKeys[which], ColourToQt(*chosen));
  showColour(which);
  refresh_->start();
}

void TextSettingsPage::chooseFont() {
  const std::optional<QFont> chosen =
      TextFontChooser()(FontFromStored(ReadStoredFont(caption_sections::kFonts)), editor().editorWindow());
  if (!chosen) return;
  WriteStoredFont(caption_sections::kFonts, StoredFromFont(*chosen));
  refresh_->start();
}

void CaptionPage::reload() {
  margins_->load();
  onBottom_->setChecked(ReadCaptionInt(caption_sections::kPersonality, kTextOnBottom, 0) == 1);
}

void CaptionPage::refreshAfterReload() { refresh_->start(); }

void TextSettingsPage::reload() {
  const int mode = ReadCaptionInt(caption_sections::kText, kUse3DText, 0);
  for (std::size_t i = 0; i < shadowMode_.size(); ++i) shadowMode_[i]->setChecked(mode == static_cast<int>(i));
  noInactiveShadow_->setChecked(ReadCaptionInt(caption_sections::kText, kNoShadowInactiveText, 0) == 1);
  shadowX_->setValue(ReadCaptionInt(caption_sections::kText, kShadowOffset, kDefaultShadowOffset));
  shadowY_->setValue(ReadIntOr(caption_sections::kText, kShadowOffsetY, kShadowOffset, kDefaultShadowOffset));
  front_->setText(FromSkinText(ReadSkinString(caption_sections::kPersonality, kFrontString, "", Session().mainFile)));
  end_->setText(FromSkinText(ReadSkinString(caption_sections::kPersonality, kEndString, "", Session().mainFile)));
  for (const CaptionColour which : {kShadowColour, kActiveColour, kInactiveColour}) showColour(which);
}

void TextSettingsPage::refreshAfterReload() { refresh_->start(); }

}  // namespace tessera::ui
