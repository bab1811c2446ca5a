#include "ui/colours/part_row_delegate.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/platform/skin_text.h"
#include "ui/colours/colour_choosers.h"

namespace tessera::ui {

QString PartColourText(ColorRef colour) {
  return QStringLiteral("%1, %2, %3").arg(RedOf(colour)).arg(GreenOf(colour)).arg(BlueOf(colour));
}

QString PartFontSample(const PartRecord& record) {
  QString sample = FromSkinText(record.face) + QLatin1Char(' ') + QString::number(record.height);
  if (record.italic) sample += QStringLiteral(" Italics ");
  if (record.underline) sample += QStringLiteral(" Underlined ");
  if (record.weight >= 600) sample += QStringLiteral(" Bold ");
  return sample;
}

QFont PartFont(const PartRecord& record) {
  QFont font(FromSkinText(record.face));
  // A table may hold any number; the rows and the chooser show sizes a screen can draw.
  font.setPointSize(std::clamp(record.height, 1, 200));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(record.weight, 1, 1000)));
  font.setItalic(record.italic);
  font.setUnderline(record.underline);
  return font;
}

void StorePartFont(const QFont& font, PartRecord& record) {
  record.face = ToSkinText(font.family());
  record.height = static_cast<int>(std::lround(font.pointSizeF() > 0 ? font.pointSizeF() : font.pointSize()));
  record.weight = static_cast<int>(font.weight());
  record.italic = font.italic();
  record.underline = font.underline();
}

QSize PartRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), kPartRowHeight};
}

void PartRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  const QRect r = option.rect;
  const bool selected = option.state & QStyle::State_Selected;
  painter->fillRect(r, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
  painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  const QString name = index.data(Qt::DisplayRole).toString();
  if (kind_ == PartKind::Colours) {
    const ColorRef colour = index.data(kPartColourRole).toUInt();
    const QRect swatch(r.right() - 65 - 4, r.top() + 2, 65, r.height() - 4);
    painter->drawText(r.adjusted(10, 0, -(swatch.width() + 12), 0), Qt::AlignLeft | Qt::AlignVCenter, name);
    painter->drawText(r.adjusted(10, 0, -(swatch.width() + 12), 0), Qt::AlignRight | Qt::AlignVCenter,
                      PartColourText(colour));
    painter->fillRect(swatch, ColourToQt(colour));
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
  } else {
    const QRect text = r.adjusted(10, 0, -5, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, name);
    QFont font = index.data(kPartFontRole).value<QFont>();
    // The sample fits the row whatever the record's size.
    if (font.pointSize() > 16) font.setPointSize(16);
    painter->setFont(font);
    painter->drawText(text, Qt::AlignRight | Qt::AlignVCenter, index.data(kPartSampleRole).toString());
  }
  painter->restore();
}

}  // namespace tessera::ui
