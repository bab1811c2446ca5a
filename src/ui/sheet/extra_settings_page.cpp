#include "ui/sheet/extra_settings_page.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/platform/environment.h"
#include "ui/app/message_prompt.h"
#include "ui/sheet/extra_value_editor.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {
constexpr int kRowHeight = 35;
}  // namespace

ExtraSettingsPage::ExtraSettingsPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Extra settings"), parent) {
  entries_ = ReadExtraEntries(DataFolder(), currentSection());
  auto* layout = new QVBoxLayout(this);

  list_ = new QTreeWidget(this);
  list_->setColumnCount(2);
  list_->setHeaderHidden(true);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  for (const auto& entry : entries_) {
    auto* row = new QTreeWidgetItem(list_);
    row->setText(0, FromSkinText(entry.definition.description));
    row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    row->setSizeHint(0, QSize(0, kRowHeight));
  }
  refreshRows();
  layout->addWidget(list_, 1);

  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("noteBox"));
  note_->setWordWrap(true);
  note_->setFrameShape(QFrame::StyledPanel);
  layout->addWidget(note_);

  editor_ = new ExtraValueEditor(editor.editorWindow(), editor.document(), this);
  layout->addWidget(editor_);

  refresh_ = RefreshTimer::forSectionPreviewPage(this, editor);
  connect(editor_, &ExtraValueEditor::written, this, [this] {
    refreshRows();
    refresh_->start();
  });
  connect(list_, &QTreeWidget::currentItemChanged, this, [this] { showSelected(); });
  selectEntry(0);
  editor_->setVisible(!entries_.empty());
  finishLoading();
}

void ExtraSettingsPage::reload() {
  refreshRows();
  showSelected();
}

void ExtraSettingsPage::refreshAfterReload() { refresh_->start(); }

void ExtraSettingsPage::selectEntry(int index) {
  if (QTreeWidgetItem* row = list_->topLevelItem(index)) list_->setCurrentItem(row);
}

QString ExtraSettingsPage::noteText() const { return note_->text(); }

void ExtraSettingsPage::showSelected() {
  const int index = list_->indexOfTopLevelItem(list_->currentItem());
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return;
  const ExtraEntry& entry = entries_[static_cast<std::size_t>(index)];
  note_->setText(FromSkinText(entry.definition.text));
  editor_->edit(entry);
}

void ExtraSettingsPage::refreshRows() {
  const std::string dataFolder = DataFolder();
  for (std::size_t i = 0; i < entries_.size(); ++i)
    list_->topLevelItem(static_cast<int>(i))->setText(1, FromSkinText(ExtraRowValue(dataFolder, entries_[i])));
}

}  // namespace tessera::ui
