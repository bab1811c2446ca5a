#pragma once
// The task pane of the section editor: the visible entries of one group, then "Next ==>" and
// "<== Previous". Headings (type 10) are not clickable; sub-items are indented.
#include <QListWidget>

#include "core/editor/task_pane.h"

namespace tessera::ui {

class TaskPaneList : public QListWidget {
  Q_OBJECT
 public:
  explicit TaskPaneList(QWidget* parent = nullptr);
  void showPane(const TaskPane& pane);
  // The row of the entry with this index (0..29, 998, 999), or -1 when it is not shown.
  int rowOf(int entryIndex) const;

 signals:
  // The index of the clicked entry (0..29, 998 or 999).
  void entryClicked(int index);
};

}  // namespace tessera::ui
