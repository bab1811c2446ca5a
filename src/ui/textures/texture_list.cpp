#include "ui/textures/texture_list.h"

#include <QApplication>
#include <filesystem>
#include <QPainter>
#include <QStyledItemDelegate>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/pages/image_slot.h"
#include "core/pages/texture_keys.h"
#include "core/platform/paths.h"

namespace tessera::ui {

namespace {

constexpr int kPictureLeft = 5;
constexpr int kNoTextureTextLeft = 15;
// A row shows a strip of the picture no wider than this; larger files are not read for a row
// at all (a row could show only a corner of them).
constexpr int kMaxShownWidth = 600;
constexpr std::int64_t kMaxRowFileBytes = std::int64_t{48} << 20;
constexpr int kValueRole = Qt::UserRole + 1;

class TextureRowDelegate final : public QStyledItemDelegate {
 public:
  explicit TextureRowDelegate(TextureList* list) : QStyledItemDelegate(list), list_(list) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), TextureList::kRowHeight);
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem look = option;
    initStyleOption(&look, index);
    // The platform's selection look behind the row, without its own text.
    look.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &look, painter, widget);

    const QRect row = option.rect;
    const std::string value = index.data(kValueRole).toString().toStdString();
    painter->save();
    painter->setClipRect(row);
    if (!value.empty()) {
      const QImage& picture = list_->rowPicture(value);
      if (!picture.isNull()) {
        const int top = row.top() + (row.height() - picture.height()) / 2;
        painter->drawImage(QPoint(row.left() + kPictureLeft, top), picture);
      }
    }
    const int textLeft = value.empty() ? row.left() + kNoTextureTextLeft : row.left() + row.width() / 2;
    const QRect textRect(textLeft, row.top(), std::max(0, row.right() - textLeft - 2), row.height());
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    const QString text = option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                                       textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
  }

 private:
  TextureList* list_;
};

// The top-left corner of the picture a row shows: at most the row height less 4 pixels high.
QImage loadRowPicture(const std::string& value) {
  const std::string path = SlotFilePath(value);
  if (path.empty()) return {};
  std::error_code error;
  const auto size = std::filesystem::file_size(paths::resolve(path), error);
  if (error || size == 0 || size > static_cast<std::uintmax_t>(kMaxRowFileBytes)) return {};
  const auto picture = LoadKeyedBitmap(path);
  if (!picture) return {};
  const QImage image = ToQImage(*picture);
  if (image.isNull()) return {};
  return image.copy(0, 0, std::min(image.width(), kMaxShownWidth), std::min(image.height(), TextureList::kRowHeight - 4));
}

}  // namespace

TextureList::TextureList(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new TextureRowDelegate(this));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling_ || row < 0) return;
    emit textureChosen(row == 0 ? std::string() : values_[static_cast<std::size_t>(row - 1)]);
  });
}

void TextureList::refill(const std::string& value) {
  filling_ = true;
  clear();
  pictures_.clear();
  values_ = TextureFiles();
  auto* none = new QListWidgetItem(QString::fromLatin1(kNoTextureText), this);
  none->setData(kValueRole, QString());
  for (const std::string& file : values_) {
    auto* item = new QListWidgetItem(QString::fromStdString(file), this);
    item->setData(kValueRole, QString::fromStdString(file));
  }
  setCurrentRow(FindSlotFile(values_, value) + 1);
  if (QListWidgetItem* current = currentItem()) scrollToItem(current, QAbstractItemView::PositionAtCenter);
  filling_ = false;
}

std::string TextureList::selectedValue() const {
  const int row = currentRow();
  return row <= 0 ? std::string() : values_[static_cast<std::size_t>(row - 1)];
}

const QImage& TextureList::rowPicture(const std::string& value) {
  const QString key = QString::fromStdString(value);
  auto found = pictures_.find(key);
  if (found == pictures_.end()) found = pictures_.insert(key, loadRowPicture(value));
  return *found;
}

}  // namespace tessera::ui
