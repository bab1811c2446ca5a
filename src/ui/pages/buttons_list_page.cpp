#include "ui/pages/buttons_list_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/prompt.h"
#include "ui/pages/button_row_delegate.h"

namespace tessera::ui {

ButtonsListPage::ButtonsListPage(SectionEditorContext& editor, QWidget* parent)
    : TitleBarButtonPage(editor, QStringLiteral("Buttons"), false, parent) {
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("buttonRows"));
  list_->setItemDelegate(new ButtonRowDelegate(list_));
  list_->setUniformItemSizes(true);
  add_ = new QPushButton(QStringLiteral("Add"), this);
  delete_ = new QPushButton(QStringLiteral("Delete"), this);
  up_ = new QPushButton(QStringLiteral("U"), this);
  up_->setToolTip(QStringLiteral("Move the button up"));
  down_ = new QPushButton(QStringLiteral("D"), this);
  down_->setToolTip(QStringLiteral("Move the button down"));
  auto* note = new QLabel(QStringLiteral("You can add, delete or reorder the titlebar buttons using the buttons on the "
                                         "right.  The other tabs allow you to configure the look of each button and "
                                         "the action it performs."),
                          this);
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("color: red"));

  auto* side = new QVBoxLayout;
  for (QPushButton* button : {add_, delete_, up_, down_}) side->addWidget(button);
  side->addStretch();
  auto* row = new QHBoxLayout;
  row->addWidget(list_, 1);
  row->addLayout(side);
  pageLayout()->addLayout(row, 1);
  pageLayout()->addWidget(note);

  connect(list_, &QListWidget::currentRowChanged, this, [](int row) { setSelectedButton(row); });
  connect(add_, &QPushButton::clicked, this, &ButtonsListPage::addButtonRow);
  connect(delete_, &QPushButton::clicked, this, &ButtonsListPage::deleteSelectedButton);
  connect(up_, &QPushButton::clicked, this, &ButtonsListPage::moveSelectedUp);
  connect(down_, &QPushButton::clicked, this, &ButtonsListPage::moveSelectedDown);
}

void ButtonsListPage::startPage() { setSelectedButton(-1); }

int ButtonsListPage::rebuildButtonList(int select) { return FillButtonRows(list_, model().rows(), select); }

void ButtonsListPage::reselect(int row) {
  setSelectedButton(rebuildButtonList(row));
  stored();
}

void ButtonsListPage::addButtonRow() {
  reselect(model().add());
}

void ButtonsListPage::deleteSelectedButton() {
  if (list_->count() == 0) return;
  if (CurrentPrompt().askYesNo("Are you sure you want to delete this button?", "Delete button?") != PromptAnswer::Yes)
    return;
  reselect(model().remove(list_->currentRow()));
}

void ButtonsListPage::moveSelectedUp() {
  const int row = list_->currentRow();
  if (row <= 0) return;
  reselect(model().moveUp(row));
}

void ButtonsListPage::moveSelectedDown() {
  const int row = list_->currentRow();
  if (row < 0 || row + 1 >= list_->count()) return;
  reselect(model().moveDown(row));
}

}  // namespace tessera::ui
