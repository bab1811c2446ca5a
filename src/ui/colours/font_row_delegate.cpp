#include "ui/colours/font_row_delegate.h"

#include <QPainter>
#include <QWidget>

namespace tessera::ui {

namespace {

QFont pixelFont(const QString& family, int pixels) {
  QFont font(family);
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

QString FontRowDetail(const QString& face, int height) { return QStringLiteral("%1, %2").arg(face).arg(height); }

QSize FontRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), kFontRowHeight};
}

void FontRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  const bool selected = option.state & QStyle::State_Selected;
  painter->fillRect(option.rect, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
  painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  // Pixel sizes follow the display scale through Qt's device-independent pixels.
  const QRect text = option.rect.adjusted(5, 0, -5, 0);
  painter->setFont(pixelFont(QStringLiteral("Microsoft Sans Serif"), 14));
  painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
  const QString face = index.data(kFontFaceRole).toString();
  painter->setFont(pixelFont(face, 12));
  painter->drawText(text, Qt::AlignRight | Qt::AlignVCenter, FontRowDetail(face, index.data(kFontHeightRole).toInt()));
  painter->restore();
}

}  // namespace tessera::ui
