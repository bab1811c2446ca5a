#include "ui/sheet/import_page.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/skin_actions.h"
#include "core/platform/environment.h"
#include "core/platform/prompt.h"
#include "core/sheet/section_import.h"
#include "ui/app/message_prompt.h"
#include "core/platform/skin_text.h"

namespace tessera::ui {

namespace {
constexpr int kRowHeight = 25;
// The section name is kept beside the row text, so a name holding "(" or the tabs of the
// companion rows never reaches the copy.
constexpr int kSectionRole = Qt::UserRole;
}  // namespace

ImportPage::ImportPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Import"), parent) {
  auto* layout = new QVBoxLayout(this);
  list_ = new QListWidget(this);
  for (const auto& source : ImportSources(DataFolder())) {
    auto* row = new QListWidgetItem(FromSkinText(source.rowText()), list_);
    row->setData(kSectionRole, FromSkinText(source.section));
    row->setSizeHint(QSize(0, kRowHeight));
  }
  layout->addWidget(list_, 1);
  import_ = new QPushButton(QStringLiteral("Import settings from the section above"), this);
  keepImage_ = new QCheckBox(QStringLiteral("Do not import image"), this);
  layout->addWidget(import_);
  layout->addWidget(keepImage_);
  connect(import_, &QPushButton::clicked, this, &ImportPage::importSelected);
}

void ImportPage::importSelected() {
  const QListWidgetItem* row = list_->currentItem();
  if (!row) return;
  const std::string source = ToSkinText(row->data(kSectionRole).toString());
  if (!ImportSection(source, currentSection(), keepImage_->isChecked())) return;
  RefreshPreview();
  editor().requestSheetRebuild();
  editor().repaintLargePreview();
  CurrentPrompt().inform(
      "This section has been imported.  Please remember that if you want to edit the image you need to make a copy "
      "of it unless you want both sections to change.",
      "Import complete");
}

}  // namespace tessera::ui
