#include "ui/pages/button_row_delegate.h"

#include <QApplication>
#include <algorithm>
#include <QComboBox>
#include <QListWidget>
#include <QPainter>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/pages/image_slot.h"
#include "core/pages/title_bar_button_actions.h"

namespace tessera::ui {

namespace {

int clampedRow(int select, int count) {
  if (count == 0) return -1;
  return select >= 0 && select < count ? select : 0;
}

}  // namespace

ButtonRowDelegate::ButtonRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

const QImage& ButtonRowDelegate::pictureOf(const QString& text) const {
  auto found = pictures_.find(text);
  if (found != pictures_.end()) return *found;
  QImage image;
  const std::string path = SlotFilePath(text.toStdString());
  if (!path.empty()) {
    if (const auto picture = LoadImageFile(path)) image = ToQImage(*picture);
  }
  return *pictures_.insert(text, image);
}

QSize ButtonRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
}

void ButtonRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QRect row = option.rect;
  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  painter->fillRect(row, Qt::white);
  if (selected) painter->fillRect(row.adjusted(2, 0, -2, 0), option.palette.highlight());

  const QString text = index.data(Qt::DisplayRole).toString();
  const QImage& picture = pictureOf(text.trimmed().isEmpty() ? QString() : text);
  if (!picture.isNull()) {
    const int frames = std::max(1, index.data(kFrameCountRole).toInt());
    const int frameWidth = picture.width() / frames;
    const int drawnWidth = std::min(frameWidth, static_cast<int>(row.width() * 0.33));
    const int inner = row.height() - 4;
    const int drawnHeight = picture.height() < inner ? picture.height() : inner;
    const int top = picture.height() < inner ? (inner - picture.height()) / 2 + 2 : 2;
    if (drawnWidth > 0 && drawnHeight > 0) {
      painter->drawImage(QRect(row.left() + 5, row.top() + top, drawnWidth, drawnHeight), picture,
                         QRect(0, 0, std::min(frameWidth, picture.width()), picture.height()));
    }
  }

  const int textLeft = text.startsWith(QLatin1Char(' ')) ? 15 : row.width() / 3 + 15;
  const QRect textRect(row.left() + textLeft, row.top(), std::max(0, row.width() - textLeft - 5), row.height());
  painter->setFont(QApplication::font());
  painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::black));
  const QString label = index.data(kLabelRole).toString();
  const int labelWidth = label.isEmpty() ? 0 : painter->fontMetrics().horizontalAdvance(label) + 8;
  const QString shown = painter->fontMetrics().elidedText(text, Qt::ElideRight, std::max(0, textRect.width() - labelWidth));
  painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
  if (!label.isEmpty()) painter->drawText(textRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, label);
  painter->restore();
}

int FillButtonRows(QListWidget* list, const std::vector<TitleBarButtonRow>& rows, int select) {
  const QSignalBlocker block(list);
  if (auto* delegate = qobject_cast<ButtonRowDelegate*>(list->itemDelegate())) delegate->forgetPictures();
  list->clear();
  for (const TitleBarButtonRow& row : rows) {
    auto* item = new QListWidgetItem(QString::fromStdString(row.image), list);
    item->setData(ButtonRowDelegate::kIndexRole, row.index);
    item->setData(ButtonRowDelegate::kLabelRole, QString::fromLatin1(ButtonActionShortLabel(row.action)));
    item->setData(ButtonRowDelegate::kFrameCountRole, row.frameCount);
  }
  const int selected = clampedRow(select, list->count());
  list->setCurrentRow(selected);
  return selected;
}

int FillButtonRows(QComboBox* list, const std::vector<TitleBarButtonRow>& rows, int select) {
  const QSignalBlocker block(list);
  if (auto* delegate = qobject_cast<ButtonRowDelegate*>(list->itemDelegate())) delegate->forgetPictures();
  list->clear();
  for (const TitleBarButtonRow& row : rows) {
    list->addItem(QString::fromStdString(row.image), row.index);
    const int i = list->count() - 1;
    list->setItemData(i, QString::fromLatin1(ButtonActionShortLabel(row.action)), ButtonRowDelegate::kLabelRole);
    list->setItemData(i, row.frameCount, ButtonRowDelegate::kFrameCountRole);
  }
  const int selected = clampedRow(select, list->count());
  list->setCurrentIndex(selected);
  return selected;
}

}  // namespace tessera::ui
