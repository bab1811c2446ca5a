// Choosing the section to edit: task pane, next and previous, tree and search.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include "core/editor/linear_order.h"
#include "core/editor/section_tree.h"
#include "core/platform/settings.h"
#include "core/skin/section_catalogue.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "core/platform/skin_text.h"
#include "ui/editor/section_editor_window.h"
#include "ui/editor/large_preview_button.h"
#include "ui/editor/task_pane_list.h"

namespace tessera::ui {

namespace {
constexpr int kSectionRole = Qt::UserRole;
constexpr int kGroupRole = Qt::UserRole + 1;
constexpr int kSearchRowHeight = 40;
// A node without a section of its own takes the one of an ancestor up to this far up.
constexpr int kAncestorReach = 3;
}  // namespace

void SectionEditorWindow::setTopLevel(const std::string& section) {
  topLevel_ = section;
}

void SectionEditorWindow::setTitles(const std::string& entry) {
  const SectionCatalogue catalogue;
  title_->setText(FromSkinText(catalogue.readText(entry, subsection_keys::Description)));
  subtitle_->setText(FromSkinText(catalogue.readText(entry, subsection_keys::Description2AtLists)));
}

void SectionEditorWindow::rebuildTaskPane() {
  pane_ = BuildTaskPane(group_, currentSection_, ReadSettingInt(settings::TargetOS));
  taskPane_->showPane(pane_);
  fillPreviewStates(group_);
}

void SectionEditorWindow::fillPreviewStates(int group) {
  const QSignalBlocker blocker(states_);
  states_->clear();
  for (const std::string& name : PreviewStateNames(group)) states_->addItem(FromSkinText(name));
  states_->setVisible(states_->count() >= 2);
  if (states_->count() >= 2) states_->setCurrentIndex(0);
}

void SectionEditorWindow::selectSubPreview(const std::string& section) {
  const int index = SectionCatalogue().readInt(section, subsection_keys::SubPreviewIndex);
  if (index != -1 && index < states_->count()) states_->setCurrentIndex(index);
}

void SectionEditorWindow::taskPaneClick(int index) {
  if (index == kNextEntryIndex || index == kPreviousEntryIndex) {
    stepLinear(index == kNextEntryIndex);
    return;
  }
  if (index < 0 || index >= kTaskPaneEntries) return;
  TaskPaneEntry& chosen = pane_.entries[static_cast<std::size_t>(index)];
  if (chosen.empty || chosen.selected) return;
  for (TaskPaneEntry& entry : pane_.entries) entry.selected = false;
  chosen.selected = true;
  currentSection_ = chosen.section;
  setTopLevel(chosen.section);
  setTitles(chosen.section);
  selectSubPreview(chosen.section);
  preview_->update();
  RebuildPropertySheet();
}

void SectionEditorWindow::stepLinear(bool forward) {
  const LinearFilter filter{SkinButtonCount(Session().mainFile), ReadSettingInt(settings::TargetOS)};
  const LinearStep step = StepLinear(linearPosition_, forward, filter);
  if (step.section.empty()) return;
  const EntrySelection selection = SelectEntry(step.section, forward ? 0 : 1);
  group_ = selection.group;
  linearPosition_ = selection.linearPosition;
  currentSection_ = selection.section;
  setTopLevel(selection.section);
  if (states_->count() > 0) states_->setCurrentIndex(0);
  RebuildPropertySheet();
  rebuildTaskPane();
  repaintTimer_.start();
  title_->setText(FromSkinText(selection.title));
  subtitle_->setText(FromSkinText(selection.subtitle));
}

void SectionEditorWindow::fillTree() {
  const QSignalBlocker blocker(tree_);
  tree_->clear();
  const SectionTree model =
      BuildSectionTree(ReadSettingInt(settings::TargetOS), SkinButtonCount(Session().mainFile));
  const auto childByText = [](QTreeWidgetItem* parent, const QString& text) -> QTreeWidgetItem* {
    for (int i = 0; i < parent->childCount(); ++i) {
      if (parent->child(i)->text(0) == text) return parent->child(i);
    }
    return new QTreeWidgetItem(parent, QStringList(text));
  };
  std::vector<QTreeWidgetItem*> groupItems;
  for (const TreeGroupNode& group : model.groups) {
    if (group.parentText.empty()) {
      groupItems.push_back(new QTreeWidgetItem(tree_, QStringList(FromSkinText(group.text))));
      continue;
    }
    const QString parentText = FromSkinText(group.parentText);
    const QList<QTreeWidgetItem*> found = tree_->findItems(parentText, Qt::MatchExactly);
    QTreeWidgetItem* parent = found.isEmpty() ? new QTreeWidgetItem(tree_, QStringList(parentText)) : found.first();
    groupItems.push_back(childByText(parent, FromSkinText(group.text)));
  }
  QTreeWidgetItem* current = nullptr;
  for (const TreeEntryNode& entry : model.entries) {
    auto* item = new QTreeWidgetItem(groupItems[static_cast<std::size_t>(entry.groupNode)],
                                     QStringList(FromSkinText(entry.text)));
    if (entry.heading) {
      QFont font = item->font(0);
      font.setBold(true);
      item->setFont(0, font);
      continue;
    }
    item->setData(0, kSectionRole, QByteArray::fromStdString(entry.section));
    item->setData(0, kGroupRole, entry.groupSection);
    if (!current && entry.section == currentSection_) current = item;
  }
  if (current) {
    tree_->scrollToItem(current);
    tree_->setCurrentItem(current);
  }
}

QTreeWidgetItem* SectionEditorWindow::treeItemFor(const std::string& section) const {
  const QByteArray name = QByteArray::fromStdString(section);
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    if ((*it)->data(0, kSectionRole).toByteArray() == name) return *it;
  }
  return nullptr;
}

void SectionEditorWindow::treeSelectionChanged() {
  QTreeWidgetItem* item = tree_->currentItem();
  for (int up = 0; item && item->data(0, kSectionRole).isNull() && up < kAncestorReach; ++up) item = item->parent();
  if (!item || item->data(0, kSectionRole).isNull()) return;
  const std::string section = item->data(0, kSectionRole).toByteArray().toStdString();
  currentSection_ = section;
  setTopLevel(section);
  group_ = item->data(0, kGroupRole).toInt();
  fillPreviewStates(group_);
  setTitles(section);
  selectSubPreview(section);
  preview_->update();
  RebuildPropertySheet();
}

void SectionEditorWindow::searchTextChanged(const QString& text) {
  if (text.isEmpty()) {
    results_->hide();
    noMatch_->hide();
    tree_->show();
    return;
  }
  tree_->hide();
  results_->clear();
  for (const SearchHit& hit : SearchSections(ToSkinText(text))) {
    auto* item = new QListWidgetItem(FromSkinText(hit.text), results_);
    item->setData(kSectionRole, QByteArray::fromStdString(hit.section));
    item->setData(Qt::SizeHintRole, QSize(-1, kSearchRowHeight));
  }
  results_->setVisible(results_->count() > 0);
  noMatch_->setVisible(results_->count() == 0);
}

void SectionEditorWindow::searchHitChosen(int row) {
  QListWidgetItem* hit = results_->item(row);
  if (!hit) return;
  const std::string section = hit->data(kSectionRole).toByteArray().toStdString();
  search_->clear();
  results_->hide();
  currentSection_ = section;
  setTopLevel(section);
  if (QTreeWidgetItem* node = treeItemFor(section)) tree_->setCurrentItem(node);
  requestSheetRebuild();
}

}  // namespace tessera::ui
