#pragma once
// The category pane on the left of the main window: one row per category with its icon, title
// and operating-system badge, plus the fixed items (open skin, new skin). Rows are drawn by a
// delegate whose row height follows the font, so the pane is correct at any display scale.
#include <QListWidget>

#include "core/skin/os_filter.h"

namespace tessera::ui {

class InterfacePictures;

class CategoryPane : public QListWidget {
  Q_OBJECT
 public:
  explicit CategoryPane(const InterfacePictures& pictures, QWidget* parent = nullptr);

  // Removes every row.
  void clearItems();
  void addItem(int number, const QString& title, const QPixmap& icon, OsBadge badge = OsBadge::None);
  // The item number of a row (category number, or 5001 / 5002).
  static int numberOf(const QListWidgetItem* item);

 signals:
  // "TASKPANE_CLICK": a row was clicked.
  void taskPaneClick(int number);

 private:
  const InterfacePictures& pictures_;
};

}  // namespace tessera::ui
