#pragma once
// The rows of the title-bar button lists: a thumbnail of the button picture's first frame, the
// picture's name, and at the right the short label of the button's action. The image lists of the
// "Image" and "Mouseover glow" pages use the same drawing without a label.
#include <QHash>
#include <QImage>
#include <QStyledItemDelegate>
#include <vector>

#include "core/pages/title_bar_button_model.h"

class QComboBox;
class QListWidget;

namespace tessera::ui {

class ButtonRowDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  static constexpr int kRowHeight = 24;
  // Item data beyond the display text.
  static constexpr int kIndexRole = Qt::UserRole;
  static constexpr int kLabelRole = Qt::UserRole + 1;
  static constexpr int kFrameCountRole = Qt::UserRole + 2;

  explicit ButtonRowDelegate(QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Pictures are loaded once per list fill; a new fill may follow an import that changed them.
  void forgetPictures() { pictures_.clear(); }

 private:
  const QImage& pictureOf(const QString& text) const;
  mutable QHash<QString, QImage> pictures_;
};

// Fills a list with the buttons' rows and selects `select` (the first row when out of range).
// Returns the selected row, -1 when the list is empty.
int FillButtonRows(QListWidget* list, const std::vector<TitleBarButtonRow>& rows, int select);
int FillButtonRows(QComboBox* list, const std::vector<TitleBarButtonRow>& rows, int select);

}  // namespace tessera::ui
