#pragma once
// Draws a row of the colours editor's list: the colour logo tinted with the row's colour, a
// rounded swatch, the title and the "RGB (r, g, b)" line.
#include <QStyledItemDelegate>

namespace tessera::ui {

// Item roles of the colour list.
enum ColourListRole {
  kColourNumberRole = Qt::UserRole,       // preset number or platform colour index
  kColourValueRole = Qt::UserRole + 1,    // the row's colour (ColorRef as uint)
  kColourTitleRole = Qt::UserRole + 2,    // the title drawn on the row
};

inline constexpr int kColourRowHeight = 65;

class ColourRowDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The swatch outline: lightness moved 0.1 towards the middle, saturation halved.
QColor SwatchOutline(const QColor& colour);

// Whether a swatch's outline is too close to the row's background to be seen.
bool SwatchBlendsIn(const QColor& outline, const QColor& background);

}  // namespace tessera::ui
