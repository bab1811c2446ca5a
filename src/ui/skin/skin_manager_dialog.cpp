#include "ui/skin/skin_manager_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "core/app/preview_engine.h"
#include "core/platform/paths.h"
#include "core/skin/skin_list.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "ui/skin/display_scale.h"
#include "ui/skin/skin_info_panel.h"
#include "ui/skin/skin_list_rows.h"

namespace tessera::ui {

namespace {

bool isOpenForEditing(const std::string& name) {
  return Session().isOpen() && paths::equalsIgnoreCase(Session().skinName, name);
}

std::string skinNameOf(const QTreeWidgetItem* item) { return item->data(0, kSkinNameRole).toByteArray().toStdString(); }

}  // namespace

SkinManagerDialog::SkinManagerDialog(std::string skinsFolder, QWidget* parent)
    : QDialog(parent), skinsFolder_(std::move(skinsFolder)) {
  setWindowTitle(QStringLiteral("Skin management"));

  auto* intro = new QLabel(QStringLiteral("Tick the skins in the list below to select them for deletion and click "
                                          "the delete selected skins button to delete them."),
                           this);
  intro->setWordWrap(true);

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("skinList"));
  list_->setColumnCount(1);
  list_->setHeaderLabels({QStringLiteral("name")});
  list_->setRootIsDecorated(false);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setUniformRowHeights(true);
  list_->header()->setStretchLastSection(false);
  list_->setColumnWidth(0, ScaledPixels(this, 210));
  list_->setMinimumWidth(ScaledPixels(this, 230));
  info_ = new SkinInfoPanel(skinsFolder_, this);

  delete_ = new QPushButton(QStringLiteral("Delete selected skins..."), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  delete_->setAutoDefault(false);
  close->setAutoDefault(false);

  auto* lists = new QHBoxLayout;
  lists->addWidget(list_, 2);
  lists->addWidget(info_, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(delete_);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(lists, 1);
  layout->addLayout(buttons);

  connect(list_, &QTreeWidget::currentItemChanged, this, &SkinManagerDialog::showSelected);
  connect(delete_, &QPushButton::clicked, this, &SkinManagerDialog::deleteTicked);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  fillList();
  resize(ScaledPixels(this, 720), ScaledPixels(this, 500));
}

void SkinManagerDialog::fillList() {
  list_->clear();
  for (const auto& name : OnDemandSkinDatabase().PopulateSkinList()) {
    auto* item = new QTreeWidgetItem(list_, {FromSkinText(name)});
    item->setData(0, kSkinNameRole, QByteArray(name.data(), static_cast<qsizetype>(name.size())));
    item->setCheckState(0, Qt::Unchecked);
    if (isOpenForEditing(name)) {
      // Its working copies live in that folder while it is edited.
      item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
      item->setData(0, Qt::CheckStateRole, QVariant());
      item->setToolTip(0, QStringLiteral("This skin is open for editing and cannot be deleted."));
    }
  }
}

void SkinManagerDialog::showSelected() {
  QTreeWidgetItem* item = list_->currentItem();
  if (item) {
    info_->showSkin(skinNameOf(item));
  } else {
    info_->clear();
  }
}

std::vector<std::string> SkinManagerDialog::tickedSkins() const {
  std::vector<std::string> ticked;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list_->topLevelItem(i);
    const std::string name = skinNameOf(item);
    if (item->checkState(0) == Qt::Checked && !isOpenForEditing(name)) ticked.push_back(name);
  }
  return ticked;
}

void SkinManagerDialog::deleteTicked() {
  Preview().DestroyBitmaps_and_Masks();
  const SkinDatabase database = OnDemandSkinDatabase();
  deleted_ = DeleteSelectedSkins(skinsFolder_, tickedSkins(), &database);
  accept();
}

}  // namespace tessera::ui
