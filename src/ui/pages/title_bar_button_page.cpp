#include "ui/pages/title_bar_button_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/pages/button_row_delegate.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {
int sharedSelection = -1;
}  // namespace

int TitleBarButtonPage::selectedButton() { return sharedSelection; }
void TitleBarButtonPage::setSelectedButton(int index) { sharedSelection = index; }

TitleBarButtonPage::TitleBarButtonPage(SectionEditorContext& editor, const QString& caption, bool withButtonList,
                                       QWidget* parent)
    : PropertyPage(editor, caption, parent) {
  layout_ = new QVBoxLayout(this);
  if (withButtonList) {
    auto* label = new QLabel(QStringLiteral("Button to modify :"), this);
    buttonList_ = new QComboBox(this);
    buttonList_->setObjectName(QStringLiteral("buttonToModify"));
    buttonList_->setItemDelegate(new ButtonRowDelegate(buttonList_));
    buttonList_->setMinimumWidth(300);
    label->setBuddy(buttonList_);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(buttonList_, 1);
    layout_->addLayout(row);
    connect(buttonList_, &QComboBox::activated, this, &TitleBarButtonPage::chooseButton);
  }
  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); });
}

void TitleBarButtonPage::showEvent(QShowEvent* event) {
  PropertyPage::showEvent(event);
  activate();
}

int TitleBarButtonPage::rebuildButtonList(int select) {
  return buttonList_ ? FillButtonRows(buttonList_, model_.rows(), select) : -1;
}

void TitleBarButtonPage::activate() {
  if (!started_) {
    started_ = true;
    startPage();
  }
  setSelectedButton(rebuildButtonList(selectedButton()));
  loadSelectedButton();
}

void TitleBarButtonPage::chooseButton(int row) {
  setSelectedButton(row);
  loadSelectedButton();
}

void TitleBarButtonPage::loadSelectedButton() {
  {
    const LoadingScope loading(this);
    const int button = selectedButton();
    if (button >= 0 && button < model_.count()) {
      keys_ = std::make_unique<TitleBarButtonKeys>(button, model_.layout());
    } else {
      keys_.reset();
    }
    loadButton(keys_.get());
  }
  // The page writes from its first activation on.
  finishLoading();
}

void TitleBarButtonPage::reload() {
  // A page never shown has nothing loaded yet; it loads when it is first shown.
  if (started_) activate();
}

void TitleBarButtonPage::refreshAfterReload() {
  if (started_) refresh_->start();
}

void TitleBarButtonPage::stored() { refresh_->start(); }

ImageSlotPanel* TitleBarButtonPage::makeButtonSlotPanel(const char* key, const QString& emptyText) {
  SlotPanelOptions options;
  options.page = SlotPage::SingleKey;
  options.keys = SlotKeys{key, nullptr};
  options.section = ButtonSectionName(0);
  options.emptyText = emptyText;
  options.commands = SettingsPageCommands();  // "Import", "Frame builder", "Quick import file"
  return new ImageSlotPanel(editor(), options, this);
}

}  // namespace tessera::ui
