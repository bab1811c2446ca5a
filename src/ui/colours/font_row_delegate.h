#pragma once
// Draws a row of the fonts editor's list: the display name on the left and, right-aligned,
// "face, height" in the font's own face.
#include <QStyledItemDelegate>

namespace tessera::ui {

enum FontListRole {
  kFontItemRole = Qt::UserRole,        // item data: preset number, or 100 + system font number
  kFontFaceRole = Qt::UserRole + 1,    // FontName
  kFontHeightRole = Qt::UserRole + 2,  // FontHeight
};

inline constexpr int kFontRowHeight = 35;

class FontRowDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The right-hand text of a row: "face, height".
QString FontRowDetail(const QString& face, int height);

}  // namespace tessera::ui
