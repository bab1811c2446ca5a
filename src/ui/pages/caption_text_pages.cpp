#include "ui/pages/caption_text_pages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/pages/caption_keys.h"
#include "ui/pages/caption_choosers.h"
#include "ui/pages/caption_margins_panel.h"
#include "ui/sheet/skin_preset_list.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

CaptionTextSettingsPage::CaptionTextSettingsPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Caption text settings"), parent) {
  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); });
  auto* layout = new QVBoxLayout(this);
  margins_ = new CaptionMarginsPanel(kCaptionLayoutMargins, this);
  connect(margins_, &CaptionMarginsPanel::written, refresh_, &RefreshTimer::start);
  layout->addWidget(margins_);

  auto* fonts = new QFormLayout;
  activeFont_ = fontObjectList(kActiveFontObject);
  inactiveFont_ = fontObjectList(kInactiveFontObject);
  fonts->addRow(QStringLiteral("Active font effect :"), activeFont_);
  fonts->addRow(QStringLiteral("Inactive font effect :"), inactiveFont_);
  layout->addLayout(fonts);
  fontButton_ = new QPushButton(QStringLiteral("Change font used..."), this);
  connect(fontButton_, &QPushButton::clicked, this, &CaptionTextSettingsPage::chooseFont);
  layout->addWidget(fontButton_);
  layout->addStretch(1);
  finishLoading();
}

SkinPresetList* CaptionTextSettingsPage::fontObjectList(const char* key) {
  auto* list = new SkinPresetList(SkinPresetList::Kind::Fonts, editor().editorWindow(), editor().document(), this);
  selectFontObject(list, key);
  connect(list, &SkinPresetList::rowChosen, this, [this, list, key](int row) {
    if (isLoading() || row < 0 || row > static_cast<int>(list->numbers().size())) return;
    // "OS Default" removes the key.
    WriteFontObject(key, FontObjectForRow(list->numbers(), row));
    refresh_->start();
  });
  connect(list, &SkinPresetList::presetsEdited, this, [this, list, key] {
    selectFontObject(list, key);
    refresh_->start();
  });
  return list;
}

void CaptionTextSettingsPage::selectFontObject(SkinPresetList* list, const char* key) {
  const QSignalBlocker blocker(list->list());
  const int stored = ReadCaptionInt(caption_sections::kCaption, key, 0);
  list->list()->setCurrentIndex(FontObjectRow(list->numbers(), stored));
}

void CaptionTextSettingsPage::chooseFont() {
  const std::optional<QFont> chosen =
      TextFontChooser()(FontFromStored(ReadStoredFont(caption_sections::kCaption)), editor().editorWindow());
  if (!chosen) return;
  WriteStoredFont(caption_sections::kCaption, StoredFromFont(*chosen));
  refresh_->start();
}

CaptionClickSettingsPage::CaptionClickSettingsPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Caption click settings"), parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("When a caption is double clicked, perform the following action :"), this));
  doubleClick_ = actionList(kDoubleClickAction);
  layout->addWidget(doubleClick_);
  layout->addWidget(new QLabel(QStringLiteral("When a caption is right clicked, perform the following action :"), this));
  rightClick_ = actionList(kRightClickAction);
  layout->addWidget(rightClick_);
  layout->addStretch(1);
  finishLoading();
}

QComboBox* CaptionClickSettingsPage::actionList(const char* key) {
  auto* list = new QComboBox(this);
  for (const char* action : kCaptionClickActions) list->addItem(QString::fromLatin1(action));
  list->setCurrentIndex(ReadClickActionEntry(key));
  // The engine reads these keys when a click happens, so no preview needs refreshing.
  connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, key](int entry) {
    if (!isLoading()) WriteClickActionEntry(key, entry);
  });
  return list;
}

void CaptionTextSettingsPage::reload() {
  margins_->load();
  for (SkinPresetList* list : {activeFont_, inactiveFont_}) list->refill();
  selectFontObject(activeFont_, kActiveFontObject);
  selectFontObject(inactiveFont_, kInactiveFontObject);
}

void CaptionTextSettingsPage::refreshAfterReload() { refresh_->start(); }

void CaptionClickSettingsPage::reload() {
  doubleClick_->setCurrentIndex(ReadClickActionEntry(kDoubleClickAction));
  rightClick_->setCurrentIndex(ReadClickActionEntry(kRightClickAction));
}

}  // namespace tessera::ui
