#pragma once
// Draws a row of the part colours and fonts dialogs: the record's display name, and at the right
// its colour as a swatch with its channels, or a sample in its font.
#include <QFont>
#include <QStyledItemDelegate>

#include "core/colours/part_file.h"

namespace tessera::ui {

// Item roles of the record list (the display name is the item's text).
enum PartListRole {
  kPartColourRole = Qt::UserRole,      // colours: the record's colour (ColorRef as uint)
  kPartFontRole = Qt::UserRole + 1,    // fonts: the record's font
  kPartSampleRole = Qt::UserRole + 2,  // fonts: the sample text
};

inline constexpr int kPartRowHeight = 35;

// "r, g, b".
QString PartColourText(ColorRef colour);
// The face, a space and the height, then " Italics ", " Underlined " and " Bold " as they apply.
QString PartFontSample(const PartRecord& record);
// The record's font as the chooser and the rows show it (heights in points).
QFont PartFont(const PartRecord& record);
// The chooser's font stored into a record: face, height in points, weight, italic, underline.
void StorePartFont(const QFont& font, PartRecord& record);

class PartRowDelegate final : public QStyledItemDelegate {
 public:
  PartRowDelegate(PartKind kind, QObject* parent) : QStyledItemDelegate(parent), kind_(kind) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  PartKind kind_;
};

}  // namespace tessera::ui
