#include "ui/pages/button_actions_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/pages/title_bar_button_actions.h"
#include "core/platform/skin_text.h"
#include "ui/pages/button_row_delegate.h"

namespace tessera::ui {

namespace {

const QString kNoSound = QStringLiteral("No sound");

// An action code the lists do not offer (8, 15, ...) leaves the list without a selection; a
// linked button that does not exist selects the first row.
void selectData(QComboBox* list, int code, bool firstWhenMissing) {
  const int found = list->findData(code);
  list->setCurrentIndex(found >= 0 ? found : (firstWhenMissing && list->count() > 0 ? 0 : -1));
}

void selectSound(QComboBox* list, const std::string& value) {
  int found = 0;
  for (int i = 1; i < list->count(); ++i) {
    if (list->itemText(i).compare(FromSkinText(value), Qt::CaseInsensitive) == 0) found = i;
  }
  list->setCurrentIndex(found);
}

}  // namespace

ButtonActionsPage::ButtonActionsPage(SectionEditorContext& editor, QWidget* parent)
    : TitleBarButtonPage(editor, QStringLiteral("Actions"), true, parent) {
  form_ = new QFormLayout;
  pageLayout()->addLayout(form_);
  pageLayout()->addStretch();
  action_ = addList(QStringLiteral("Action :"));
  shift_ = addList(QStringLiteral("Shift Action :"), &shiftLabel_);
  ctrl_ = addList(QStringLiteral("Ctrl Action :"), &ctrlLabel_);
  command_ = addEdit(QStringLiteral("Command :"));
  dll_ = addEdit(QStringLiteral("Plugin DLL :"));
  linked_ = addList(QStringLiteral("Linked to button :"));
  linked_->setItemDelegate(new ButtonRowDelegate(linked_));
  inSound_ = addList(QStringLiteral("Press sound :"));
  outSound_ = addList(QStringLiteral("Release sound :"));

  connectAction(action_, "Action");
  connectAction(shift_, "ShiftAction");
  connectAction(ctrl_, "CtrlAction");
  connectText(command_, "Command");
  connectText(dll_, "DllName");
  connectSound(inSound_, "InSound");
  connectSound(outSound_, "OutSound");
  connect(linked_, &QComboBox::activated, this, [this](int row) {
    if (!isActive() || !keys()) return;
    keys()->writeNonZeroOrDelete("LinkedTo", row <= 0 ? 0 : linked_->itemData(row).toInt());
    stored();
  });
  connect(action_, &QComboBox::activated, this, [this] {
    // The row labels show the action.
    if (isActive()) FillButtonRows(buttonList(), model().rows(), selectedButton());
  });
}

QComboBox* ButtonActionsPage::addList(const QString& label, QWidget** labelOut) {
  auto* list = new QComboBox(this);
  auto* text = new QLabel(label, this);
  text->setBuddy(list);
  form_->addRow(text, list);
  if (labelOut) *labelOut = text;
  return list;
}

QLineEdit* ButtonActionsPage::addEdit(const QString& label) {
  auto* edit = new QLineEdit(this);
  auto* text = new QLabel(label, this);
  text->setBuddy(edit);
  form_->addRow(text, edit);
  return edit;
}

void ButtonActionsPage::connectAction(QComboBox* list, const char* key) {
  connect(list, &QComboBox::activated, this, [this, list, key](int row) {
    if (!isActive() || !keys() || row < 0) return;
    keys()->writeInt(key, list->itemData(row).toInt());
    stored();
  });
}

void ButtonActionsPage::connectSound(QComboBox* list, const char* key) {
  connect(list, &QComboBox::activated, this, [this, list, key](int row) {
    if (!isActive() || !keys()) return;
    keys()->writeTextOrDelete(key, row <= 0 ? std::string() : ToSkinText(list->itemText(row)));
    stored();
  });
}

void ButtonActionsPage::connectText(QLineEdit* edit, const char* key) {
  connect(edit, &QLineEdit::textEdited, this, [this, key](const QString& text) {
    if (!isActive() || !keys()) return;
    keys()->writeTextOrDelete(key, ToSkinText(text));
    stored();
  });
}

void ButtonActionsPage::startPage() {
  for (QComboBox* list : {action_, shift_, ctrl_}) {
    for (const ButtonActionEntry& entry : OfferedButtonActions(model().layout()))
      list->addItem(QString::fromLatin1(entry.listText), entry.code);
  }
  for (QComboBox* list : {inSound_, outSound_}) {
    list->addItem(kNoSound);
    for (const std::string& sound : ListButtonSoundFiles()) list->addItem(FromSkinText(sound));
  }
  const bool personality = model().personalityLayout();
  for (QWidget* control : {static_cast<QWidget*>(shift_), static_cast<QWidget*>(ctrl_), shiftLabel_, ctrlLabel_})
    control->setVisible(personality);
}

int ButtonActionsPage::rebuildButtonList(int select) {
  // "Linked to button :" lists the buttons afresh each time the page shows.
  FillButtonRows(linked_, model().rows(), 0);
  return TitleBarButtonPage::rebuildButtonList(select);
}

void ButtonActionsPage::loadButton(const TitleBarButtonKeys* keys) {
  setEnabled(keys != nullptr);
  if (!keys) return;
  const ButtonActionValues v = keys->readActions();
  selectData(action_, v.action, false);
  selectData(shift_, v.shiftAction, false);
  selectData(ctrl_, v.ctrlAction, false);
  command_->setText(FromSkinText(v.command));
  dll_->setText(FromSkinText(v.dllName));
  selectData(linked_, v.linkedTo, true);
  selectSound(inSound_, v.inSound);
  selectSound(outSound_, v.outSound);
}

}  // namespace tessera::ui
