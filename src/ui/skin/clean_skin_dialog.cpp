#include "ui/skin/clean_skin_dialog.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "core/platform/paths.h"
#include "core/platform/prompt.h"
#include "core/skin/clean_skin.h"
#include "core/skin/skin_document.h"
#include "ui/app/message_prompt.h"
#include "ui/skin/display_scale.h"
#include "ui/common/picture_view.h"
#include "ui/common/progress_window.h"

namespace tessera::ui {

namespace {
constexpr int kValueRole = Qt::UserRole;
}  // namespace

CleanSkinDialog::CleanSkinDialog(SkinDocument* document, std::string skinsFolder, std::string skinName, QWidget* parent)
    : QDialog(parent), document_(document), skinsFolder_(std::move(skinsFolder)), skinName_(std::move(skinName)) {
  setWindowTitle(QStringLiteral("Clean skin"));
  auto* text = new QLabel(QStringLiteral("When developing a skin you may find you have left old images in the skin "
                                         "folder.  This feature lets you quickly and easily find such images and "
                                         "delete them.  Unreferenced images will appear in the list below."),
                          this);
  text->setWordWrap(true);

  list_ = new QListWidget(this);
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  list_->setMinimumWidth(ScaledPixels(this, 260));
  preview_ = new PictureView(this);

  // Shown instead of the list when there is nothing to clean.
  empty_ = new QWidget(this);
  auto* emptyPicture = new QLabel(empty_);
  const int iconSize = ScaledPixels(this, 64);
  emptyPicture->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(iconSize, iconSize));
  emptyPicture->setAlignment(Qt::AlignCenter);
  auto* emptyText = new QLabel(QString::fromLatin1(kNoLeftOverImagesText), empty_);
  emptyText->setObjectName(QStringLiteral("emptyText"));
  emptyText->setAlignment(Qt::AlignCenter);
  auto* emptyLayout = new QVBoxLayout(empty_);
  emptyLayout->addStretch(1);
  emptyLayout->addWidget(emptyPicture);
  emptyLayout->addWidget(emptyText);
  emptyLayout->addStretch(1);
  empty_->hide();

  selectAll_ = new QPushButton(QStringLiteral("Select all"), this);
  selectNone_ = new QPushButton(QStringLiteral("Select none"), this);
  delete_ = new QPushButton(QStringLiteral("Delete selected"), this);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  for (QPushButton* b : {selectAll_, selectNone_, delete_, cancel_}) b->setAutoDefault(false);
  delete_->setEnabled(false);

  auto* body = new QHBoxLayout;
  body->addWidget(list_, 1);
  body->addWidget(preview_, 1);
  body->addWidget(empty_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(selectAll_);
  buttons->addWidget(selectNone_);
  buttons->addStretch(1);
  buttons->addWidget(delete_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this, &CleanSkinDialog::showCurrent);
  connect(list_, &QListWidget::itemSelectionChanged, this,
          [this] { delete_->setEnabled(!list_->selectedItems().isEmpty()); });
  connect(selectAll_, &QPushButton::clicked, list_, &QListWidget::selectAll);
  connect(selectNone_, &QPushButton::clicked, list_, &QListWidget::clearSelection);
  connect(delete_, &QPushButton::clicked, this, &CleanSkinDialog::deleteSelected);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  scanTimer_.setSingleShot(true);
  connect(&scanTimer_, &QTimer::timeout, this, &CleanSkinDialog::scan);
  scanTimer_.start(kScanDelayMilliseconds);
  resize(ScaledPixels(this, 620), ScaledPixels(this, 420));
}

void CleanSkinDialog::scanNow() {
  if (!scanTimer_.isActive()) return;
  scanTimer_.stop();
  scan();
}

void CleanSkinDialog::scan() {
  scanned_ = true;
  std::vector<std::string> found;
  {
    ProgressWindow progress(this, windowTitle(), QStringLiteral("Looking for images nothing uses..."));
    found = FindUnreferencedImages(skinsFolder_, skinName_, progress.callback());
    // A stopped scan has changed nothing: the dialog closes as its Cancel button would.
    if (progress.cancelled()) {
      QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
      return;
    }
  }
  for (const auto& value : found) {
    auto* item = new QListWidgetItem(FromSkinText(value), list_);
    item->setData(kValueRole, QByteArray(value.data(), static_cast<qsizetype>(value.size())));
  }
  list_->selectAll();
  delete_->setEnabled(list_->count() > 0);
  if (list_->count() > 0) {
    list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    return;
  }

  list_->hide();
  preview_->hide();
  selectAll_->hide();
  selectNone_->hide();
  delete_->hide();
  cancel_->setText(QStringLiteral("Close"));
  empty_->show();
}

void CleanSkinDialog::showCurrent() {
  QListWidgetItem* item = list_->currentItem();
  if (!item) {
    preview_->clear();
    return;
  }
  preview_->setImage(paths::join(skinsFolder_, item->data(kValueRole).toByteArray().toStdString()));
}

std::vector<std::string> CleanSkinDialog::selectedValues() const {
  std::vector<std::string> values;
  for (int i = 0; i < list_->count(); ++i) {
    const QListWidgetItem* item = list_->item(i);
    if (item->isSelected()) values.push_back(item->data(kValueRole).toByteArray().toStdString());
  }
  return values;
}

void CleanSkinDialog::deleteSelected() {
  const std::vector<std::string> values = selectedValues();
  if (values.empty()) return;
  std::size_t moved = 0;
  bool cancelled = false;
  {
    // Every move is whole and joins this one undo step, so a stop between two moves leaves a
    // skin that one undo puts back.
    const SkinDocument::Step step(document_, QStringLiteral("Clean skin"));
    ProgressWindow progress(this, windowTitle(), QStringLiteral("Moving the images to the backup folder..."));
    moved = MoveImagesToBackup(skinsFolder_, skinName_, values, progress.callback()).size();
    // A Cancel pressed as the last move ended came too late to stop anything.
    cancelled = progress.cancelled() && progress.done() < progress.total();
  }
  if (cancelled) {
    CurrentPrompt().inform("The clean was cancelled: " + std::to_string(moved) + " of " + std::to_string(values.size()) +
                               " images had been moved to the backup folder, the others stay where they were.",
                           kImagesMovedCaption);
  } else {
    CurrentPrompt().inform(kImagesMovedMessage, kImagesMovedCaption);
  }
  accept();
}

}  // namespace tessera::ui
