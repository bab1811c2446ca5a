#include "ui/pages/slot_file_list.h"

#include <QIcon>
#include <QPixmap>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/pages/image_slot.h"

namespace tessera::ui {

namespace {

const QSize kThumbnailSize(40, SlotFileList::kEntryHeight - 4);

// The file's picture shrunk into the thumbnail box; an empty icon when it does not load.
QIcon thumbnailOf(const std::string& value) {
  const std::string path = SlotFilePath(value);
  if (path.empty()) return {};
  const auto picture = LoadImageFile(path);
  if (!picture) return {};
  const QImage image = ToQImage(*picture);
  if (image.isNull()) return {};
  return QIcon(QPixmap::fromImage(image.scaled(kThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace

SlotFileList::SlotFileList(const QString& emptyText, bool animationOnly, QWidget* parent)
    : QComboBox(parent), emptyText_(emptyText), animationOnly_(animationOnly) {
  setIconSize(kThumbnailSize);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(30);
  connect(this, &QComboBox::activated, this, [this](int index) {
    // Picking the entry that is already shown changes nothing: the page's write rule, which may
    // clear keys of the section, runs only for a real change of the picture.
    if (index == shownIndex_) return;
    shownIndex_ = index;
    shownValue_ = index <= 0 ? std::string() : values_[static_cast<std::size_t>(index - 1)];
    emit fileChosen(shownValue_);
  });
}

void SlotFileList::refill(const std::string& value) {
  const QSignalBlocker block(this);
  clear();
  values_ = ListSlotFiles(animationOnly_);
  addItem(emptyText_, -1);
  setItemData(0, QSize(0, kEntryHeight), Qt::SizeHintRole);
  for (const std::string& file : values_) {
    addItem(thumbnailOf(file), QString::fromStdString(file), count() - 1);
    setItemData(count() - 1, QSize(0, kEntryHeight), Qt::SizeHintRole);
  }
  selectValue(value);
}

void SlotFileList::selectValue(const std::string& value) {
  const QSignalBlocker block(this);
  const int found = FindSlotFile(values_, value);
  setCurrentIndex(found + 1);
  shownValue_ = value;
  // An unlisted value shows as the empty entry, and choosing that entry still clears it.
  shownIndex_ = value.empty() || found >= 0 ? found + 1 : -1;
}

void SlotFileList::setEmptyText(const QString& text) {
  emptyText_ = text;
  if (count() > 0 && itemData(0).toInt() == -1) setItemText(0, text);
}

std::string SlotFileList::selectedValue() const {
  const int index = currentIndex();
  return index <= 0 ? std::string() : values_[static_cast<std::size_t>(index - 1)];
}

void SlotFileList::showPopup() {
  refill(shownValue_);
  QComboBox::showPopup();
}

}  // namespace tessera::ui
