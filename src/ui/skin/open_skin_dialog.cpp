#include "ui/skin/open_skin_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/app/preview_engine.h"
#include "core/skin/skin_list.h"
#include "ui/common/enter_opens.h"
#include "ui/skin/display_scale.h"
#include "ui/skin/new_skin_dialog.h"
#include "ui/skin/skin_info_panel.h"
#include "ui/skin/skin_list_rows.h"

namespace tessera::ui {

OpenSkinDialog::OpenSkinDialog(std::string skinsFolder, QWidget* parent) : QDialog(parent), skinsFolder_(std::move(skinsFolder)) {
  setWindowTitle(QStringLiteral("Open skin for editing"));

  auto* intro =
      new QLabel(QStringLiteral("You can select an existing skin to edit by picking it from the list below."), this);
  intro->setWordWrap(true);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("skinList"));
  rows_ = new SkinRowDelegate(skinsFolder_, list_);
  list_->setItemDelegate(rows_);
  list_->setUniformItemSizes(true);
  list_->setMinimumWidth(ScaledPixels(this, 260));
  info_ = new SkinInfoPanel(skinsFolder_, this);

  create_ = new QPushButton(QStringLiteral("Create new skin"), this);
  refresh_ = new QPushButton(QStringLiteral("Refresh List"), this);
  open_ = new QPushButton(QStringLiteral("&Open"), this);
  open_->setObjectName(QStringLiteral("open"));
  open_->setDefault(true);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  create_->setAutoDefault(false);
  refresh_->setAutoDefault(false);
  close->setAutoDefault(false);

  auto* lists = new QHBoxLayout;
  lists->addWidget(list_, 2);
  lists->addWidget(info_, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(create_);
  buttons->addWidget(refresh_);
  buttons->addStretch(1);
  buttons->addWidget(open_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(lists, 1);
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this, &OpenSkinDialog::showSelected);
  // A skin opens on double click or Enter (the default "Open" button), never on a single click,
  // whatever the style's single-click activation says.
  connect(list_, &QListWidget::itemDoubleClicked, this, &OpenSkinDialog::choose);
  // Enter on the list opens the current skin itself rather than through the default button, so
  // that no other taker of the key on the way to the dialog can swallow it.
  OpenOnEnter(list_, [this](const QModelIndex&) { choose(list_->currentItem()); });
  connect(open_, &QPushButton::clicked, this, [this] { choose(list_->currentItem()); });
  connect(create_, &QPushButton::clicked, this, &OpenSkinDialog::createNewSkin);
  connect(refresh_, &QPushButton::clicked, this, &OpenSkinDialog::refreshList);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  Preview().SetSkinDir("");
  fillList();
  resize(ScaledPixels(this, 760), ScaledPixels(this, 520));
}

void OpenSkinDialog::fillList() {
  rows_->forgetThumbnails();
  FillSkinList(list_, OnDemandSkinDatabase().PopulateSkinList());
}

void OpenSkinDialog::refreshList() {
  const int row = list_->currentRow();
  OnDemandSkinDatabase().CreateSkinList();
  fillList();
  if (row >= 0 && list_->count() > 0) list_->setCurrentRow(std::min(row, list_->count() - 1));
}

void OpenSkinDialog::showSelected() {
  const std::string name = SkinNameOfRow(list_->currentIndex());
  if (name.empty()) {
    info_->clear();
  } else {
    info_->showSkin(name);
  }
}

void OpenSkinDialog::choose(QListWidgetItem* item) {
  if (!item) return;
  chosen_ = SkinNameOfRow(list_->indexFromItem(item));
  if (!chosen_.empty()) accept();
}

void OpenSkinDialog::createNewSkin() {
  NewSkinDialog dialog(skinsFolder_, this);
  if (dialog.exec() != QDialog::Accepted || dialog.createdName().empty()) return;
  chosen_ = dialog.createdName();
  accept();
}

}  // namespace tessera::ui
