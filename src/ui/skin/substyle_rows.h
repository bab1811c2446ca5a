#pragma once
// Rows of the sub-style manager: 40 pixels high (scaled to the display), the sub-style's name with
// its default markers at the left and, right-aligned in grey, its file name.
#include <QListWidget>
#include <QStyledItemDelegate>

#include "core/skin/substyle_manager.h"

namespace tessera::ui {

// The role holding a row's left text (the name and its default markers); the display role holds
// the row text, the user role the sub-style's index.
inline constexpr int kSubStyleLabelRole = Qt::UserRole + 20;

QListWidgetItem* NewSubStyleItem(const SubStyleRow& row);

class SubStyleRowDelegate final : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  static constexpr int kRowHeight = 40;
  static QColor fileNameColour() { return QColor(123, 123, 123); }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tessera::ui
