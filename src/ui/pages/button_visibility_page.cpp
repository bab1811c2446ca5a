#include "ui/pages/button_visibility_page.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/pages/visibility_catalogue.h"
#include "core/platform/skin_text.h"

namespace tessera::ui {

ButtonVisibilityPage::ButtonVisibilityPage(SectionEditorContext& editor, QWidget* parent)
    : TitleBarButtonPage(editor, QStringLiteral("Visibility"), true, parent) {
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("visibilityConditions"));
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  pageLayout()->addWidget(new QLabel(QStringLiteral("Only show button IF :"), this));
  pageLayout()->addWidget(list_, 1);
  connect(list_, &QListWidget::itemChanged, this, &ButtonVisibilityPage::storeChecks);
}

void ButtonVisibilityPage::startPage() {
  const QSignalBlocker block(list_);
  for (const VisibilityCondition& condition : ReadVisibilityCatalogue()) {
    auto* item = new QListWidgetItem(FromSkinText(condition.text), list_);
    item->setData(Qt::UserRole, condition.number);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

void ButtonVisibilityPage::loadButton(const TitleBarButtonKeys* keys) {
  setEnabled(keys != nullptr);
  const QSignalBlocker block(list_);
  const std::vector<int> values = keys ? keys->readVisibility() : std::vector<int>{};
  for (int i = 0; i < list_->count(); ++i) {
    QListWidgetItem* item = list_->item(i);
    const int number = item->data(Qt::UserRole).toInt();
    const bool on = std::find(values.begin(), values.end(), number) != values.end();
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
}

void ButtonVisibilityPage::storeChecks(QListWidgetItem* changed) {
  if (!isActive() || !keys()) return;
  std::vector<int> checked;
  for (int i = 0; i < list_->count(); ++i) {
    if (list_->item(i)->checkState() == Qt::Checked) checked.push_back(list_->item(i)->data(Qt::UserRole).toInt());
  }
  if (checked.size() > keys()->visibilityKeys().size() && changed) {
    // Every visibility key is taken: the new check could not be stored, so it does not stay.
    const QSignalBlocker block(list_);
    changed->setCheckState(Qt::Unchecked);
    return;
  }
  keys()->storeVisibility(checked, list_->count() > 0);
  stored();
}

}  // namespace tessera::ui
