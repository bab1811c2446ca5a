#include "ui/editor/task_pane_list.h"

#include "ui/app/message_prompt.h"

namespace tessera::ui {

namespace {

constexpr int kIndexRole = Qt::UserRole;

const char* OsMarkText(int mark) {
  switch (mark) {
    case 1: return "not on XP";
    case 2: return "not on Vista";
    case 3: return "Windows 7 only";
    default: return nullptr;
  }
}

}  // namespace

TaskPaneList::TaskPaneList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setFrameShape(QFrame::NoFrame);
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (item && (item->flags() & Qt::ItemIsEnabled)) emit entryClicked(item->data(kIndexRole).toInt());
  });
}

void TaskPaneList::showPane(const TaskPane& pane) {
  const QSignalBlocker blocker(this);
  clear();
  setViewportMargins(0, pane.topOffset, 0, 0);
  const auto add = [this](const TaskPaneEntry& entry) {
    auto* item = new QListWidgetItem(FromSkinText(entry.text), this);
    item->setData(kIndexRole, entry.index);
    QFont font = this->font();
    if (entry.type == 10) {
      font.setBold(true);
      item->setFlags(Qt::NoItemFlags);
    }
    item->setFont(font);
    item->setData(Qt::SizeHintRole, QSize(-1, 22));
    if (entry.subItem > 0) item->setText(QString(entry.subItem * 3, ' ') + item->text());
    if (const char* mark = OsMarkText(entry.osMark)) item->setToolTip(QString::fromLatin1(mark));
    item->setSelected(entry.selected);
  };
  for (const TaskPaneEntry& entry : pane.entries) {
    if (!entry.empty && entry.visible) add(entry);
  }
  add(pane.next);
  add(pane.previous);
}

int TaskPaneList::rowOf(int entryIndex) const {
  for (int row = 0; row < count(); ++row) {
    if (item(row)->data(kIndexRole).toInt() == entryIndex) return row;
  }
  return -1;
}

}  // namespace tessera::ui
