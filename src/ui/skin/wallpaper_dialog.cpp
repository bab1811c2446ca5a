#include "ui/skin/wallpaper_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/paths.h"
#include "core/platform/skin_text.h"
#include "core/skin/skin_document.h"
#include "core/skin/wallpapers.h"
#include "ui/common/file_picker.h"

namespace tessera::ui {

namespace {

constexpr int kListedRole = Qt::UserRole + 1;

// The picture scaled to fit the thumbnail square, centred on a light background; decoding at the
// reduced size keeps large wallpapers cheap.
QIcon thumbnailOf(const std::string& path) {
  const int side = WallpaperDialog::kThumbnailSize;
  QPixmap square(side, side);
  square.fill(QColor(240, 240, 240));
  QImageReader reader(QString::fromStdString(paths::resolve(path)));
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (size.isValid() && !size.isEmpty()) reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
  const QImage picture = reader.read();
  QPainter painter(&square);
  if (!picture.isNull()) {
    painter.drawImage((side - picture.width()) / 2, (side - picture.height()) / 2, picture);
  } else {
    painter.drawText(square.rect(), Qt::AlignCenter, QStringLiteral("Cannot read"));
  }
  return QIcon(square);
}

QString fileNameOf(const std::string& listed) { return FromSkinText(paths::fileName(listed)); }

}  // namespace

WallpaperDialog::WallpaperDialog(SkinDocument* document, QWidget* parent) : QDialog(parent), document_(document) {
  setWindowTitle(QStringLiteral("Wallpaper management"));
  auto* intro = new QLabel(
      QStringLiteral("A Velarium skin can include wallpapers in JPG format which the user can select from.  You can "
                     "also select a wallpaper to apply with the skin if the user has set Velarium to automatically "
                     "apply include wallpapers. (VL6 only)"),
      this);
  intro->setWordWrap(true);
  thumbnails_ = new QListWidget(this);
  thumbnails_->setViewMode(QListView::IconMode);
  thumbnails_->setFlow(QListView::TopToBottom);
  thumbnails_->setWrapping(true);
  thumbnails_->setResizeMode(QListView::Adjust);
  thumbnails_->setMovement(QListView::Static);
  thumbnails_->setIconSize(QSize(kThumbnailSize, kThumbnailSize));
  thumbnails_->setSpacing(6);
  thumbnails_->setMinimumHeight(kThumbnailSize + 60);
  defaultList_ = new QComboBox(this);
  defaultList_->setMinimumContentsLength(30);
  auto* add = new QPushButton(QStringLiteral("Add wallpaper..."), this);
  delete_ = new QPushButton(QStringLiteral("Delete selected wallpaper"), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);

  auto* defaultRow = new QHBoxLayout;
  defaultRow->addWidget(new QLabel(QStringLiteral("Default wallpaper to apply : (VL6 only)"), this));
  defaultRow->addWidget(defaultList_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(delete_);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(thumbnails_, 1);
  layout->addLayout(defaultRow);
  layout->addLayout(buttons);
  resize(720, 480);

  fillLists();
  connect(defaultList_, &QComboBox::activated, this, &WallpaperDialog::defaultChosen);
  connect(add, &QPushButton::clicked, this, &WallpaperDialog::addWallpaper);
  connect(delete_, &QPushButton::clicked, this, &WallpaperDialog::deleteSelectedWallpaper);
  connect(thumbnails_, &QListWidget::itemSelectionChanged, this,
          [this] { delete_->setEnabled(!thumbnails_->selectedItems().isEmpty()); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void WallpaperDialog::fillLists() {
  const std::vector<std::string> wallpapers = SkinFolderFiles("JPG");
  const std::string stored = ReadDefaultWallpaper();
  thumbnails_->clear();
  defaultList_->clear();
  defaultList_->addItem(QStringLiteral("No wallpaper"), QByteArray());
  int selected = 0;
  for (const std::string& listed : wallpapers) {
    auto* item = new QListWidgetItem(thumbnailOf(SkinFolderFilePath(listed)), fileNameOf(listed), thumbnails_);
    item->setData(kListedRole, QByteArray::fromStdString(listed));
    item->setToolTip(FromSkinText(listed));
    defaultList_->addItem(FromSkinText(listed), QByteArray::fromStdString(listed));
    if (paths::equalsIgnoreCase(paths::toStored(listed), paths::toStored(stored))) selected = defaultList_->count() - 1;
  }
  defaultList_->setCurrentIndex(selected);
  delete_->setEnabled(false);
}

void WallpaperDialog::defaultChosen(int index) {
  const std::string listed = defaultList_->itemData(index).toByteArray().toStdString();
  const SkinDocument::Step step(document_,
                                listed.empty() ? QStringLiteral("No default wallpaper")
                                               : QStringLiteral("Default wallpaper %1").arg(fileNameOf(listed)));
  WriteDefaultWallpaper(listed);
}

void WallpaperDialog::addWallpaper() {
  const QString chosen = PickFile(this, {.title = QStringLiteral("Select jpg wallpaper to add to skin folder..."),
                                         .filter = QStringLiteral("Wallpapers (.jpg) (*.jpg)"),
                                         .defaultSuffix = QStringLiteral("jpg"),
                                         .preview = true});
  if (chosen.isEmpty()) return;
  const std::string source = chosen.toStdString();
  CopyIntoSkin result = CopyIntoSkin::Failed;
  {
    const SkinDocument::Step step(document_,
                                  QStringLiteral("Add wallpaper %1").arg(FromSkinText(paths::fileName(source))));
    result = AddWallpaper(source);
  }
  if (result == CopyIntoSkin::Refused) {
    QMessageBox::warning(this, QStringLiteral("Wallpaper management"),
                         QStringLiteral("\"%1\" is not a JPEG picture, so it was not added to the skin.").arg(chosen));
  } else if (result == CopyIntoSkin::Failed) {
    QMessageBox::warning(this, QStringLiteral("Wallpaper management"),
                         QStringLiteral("\"%1\" could not be copied into the skin folder.").arg(chosen));
  }
  fillLists();
}

void WallpaperDialog::deleteSelectedWallpaper() {
  const QList<QListWidgetItem*> selected = thumbnails_->selectedItems();
  if (selected.isEmpty()) return;
  const std::string listed = selected.front()->data(kListedRole).toByteArray().toStdString();
  if (QMessageBox::question(this, QStringLiteral("Delete this wallpaper?"),
                            QStringLiteral("Are you sure you want to delete this wallpaper from this skin?"),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  {
    const SkinDocument::Step step(document_,
                                  QStringLiteral("Delete wallpaper %1").arg(fileNameOf(listed)));
    DeleteWallpaper(listed);
  }
  fillLists();
}

}  // namespace tessera::ui
