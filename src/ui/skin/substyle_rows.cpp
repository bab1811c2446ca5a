#include "ui/skin/substyle_rows.h"

#include <QApplication>
#include <QPainter>

#include "ui/app/message_prompt.h"
#include "ui/skin/display_scale.h"

namespace tessera::ui {

QListWidgetItem* NewSubStyleItem(const SubStyleRow& row) {
  auto* item = new QListWidgetItem(FromSkinText(row.rowText));
  item->setData(Qt::UserRole, row.itemData);
  item->setData(kSubStyleLabelRole, FromSkinText(row.label()));
  return item;
}

QSize SubStyleRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(ScaledPixels(option.widget, kRowHeight));
  return size;
}

void SubStyleRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QWidget* widget = opt.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  opt.text.clear();
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);

  const int margin = ScaledPixels(widget, 8);
  const QRect area = opt.rect.adjusted(margin, 0, -margin, 0);
  const QString fileName = index.data(Qt::DisplayRole).toString();
  const QString label = index.data(kSubStyleLabelRole).toString();
  const bool selected = opt.state & QStyle::State_Selected;

  painter->save();
  painter->setFont(opt.font);
  const QFontMetrics metrics(opt.font);
  // A little slack: the advance can fall a pixel short of what eliding measures.
  const int fileWidth = std::min(metrics.horizontalAdvance(fileName) + margin, area.width() / 2);
  QRect fileRect = area;
  fileRect.setLeft(area.right() - fileWidth);
  painter->setPen(fileNameColour());
  painter->drawText(fileRect, Qt::AlignRight | Qt::AlignVCenter,
                    metrics.elidedText(fileName, Qt::ElideLeft, fileRect.width()));

  QRect labelRect = area;
  labelRect.setRight(fileRect.left() - margin);
  painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter,
                    metrics.elidedText(label, Qt::ElideRight, labelRect.width()));
  painter->restore();
}

}  // namespace tessera::ui
