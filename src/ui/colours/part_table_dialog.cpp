#include "ui/colours/part_table_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/colours/part_tables.h"
#include "core/platform/prompt.h"
#include "core/platform/skin_text.h"
#include "core/skin/catalogue.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "ui/app/undo_actions.h"
#include "ui/colours/colour_choosers.h"
#include "ui/colours/part_row_delegate.h"
#include "ui/common/window_teardown.h"
#include "ui/pages/caption_choosers.h"

namespace tessera::ui {

namespace {

const std::string& mainFile() { return Session().mainFile; }

}  // namespace

PartTableDialog::PartTableDialog(SkinDocument* document, PartKind kind, QWidget* parent)
    : QDialog(parent), document_(document), kind_(kind) {
  const bool colours = kind == PartKind::Colours;
  setWindowTitle(colours ? QStringLiteral("Modify Vista / 7 part colours") : QStringLiteral("Modify Vista part fonts"));
  if (document_) cancelPoint_ = document_->markCancelPoint();

  auto* intro = new QLabel(colours ? QStringLiteral("Windows Vista / 7 introduce some new colours which you can edit below")
                                   : QStringLiteral("Windows Vista /7 introduce some new fonts which you can edit below"));
  intro->setWordWrap(true);
  classList_ = new QComboBox;
  const CatalogueFile catalogue(catalogue_files::kSubsections);
  for (const char* partClass : kPartClasses)
    classList_->addItem(FromSkinText(catalogue.readText(partClass, subsection_keys::Description)),
                        QString::fromLatin1(partClass));
  recordList_ = new QListWidget;
  recordList_->setItemDelegate(new PartRowDelegate(kind, recordList_));
  recordList_->setMinimumWidth(380);
  preview_ = new QLabel;
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumHeight(60);
  preview_->setAutoFillBackground(true);
  preview_->setFrameShape(QFrame::StyledPanel);
  changeButton_ = new QPushButton(colours ? QStringLiteral("Change colour...") : QStringLiteral("Change font..."));
  auto* revertButton = new QPushButton(QStringLiteral("Revert section to defaults"));
  auto* closeButton = new QPushButton(QStringLiteral("Close"));
  auto* cancelButton = new QPushButton(QStringLiteral("Cancel"));
  closeButton->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(changeButton_);
  buttons->addWidget(revertButton);
  buttons->addStretch();
  buttons->addWidget(closeButton);
  buttons->addWidget(cancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(classList_);
  layout->addWidget(recordList_, 1);
  layout->addWidget(preview_);
  layout->addLayout(buttons);
  resize(560, 480);

  // Ctrl+Z and Ctrl+Y work here too; the list shows the table as it then is.
  auto* undo = new UndoActions(this, document_);
  connect(undo, &UndoActions::restored, this, &PartTableDialog::loadClass);
  connect(classList_, &QComboBox::currentIndexChanged, this, &PartTableDialog::loadClass);
  connect(recordList_, &QListWidget::currentRowChanged, this, &PartTableDialog::showPreview);
  connect(changeButton_, &QPushButton::clicked, this, &PartTableDialog::changeRecord);
  if (!colours) connect(recordList_, &QListWidget::itemDoubleClicked, this, &PartTableDialog::changeRecord);
  connect(revertButton, &QPushButton::clicked, this, &PartTableDialog::revertClass);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  loadClass();
}

PartTableDialog::~PartTableDialog() { DetachDescendantsFrom(this); }

std::string PartTableDialog::currentClass() const { return classList_->currentData().toString().toStdString(); }

void PartTableDialog::done(int result) {
  if (result == QDialog::Rejected && cancelPoint_ >= 0) {
    if (document_) document_->cancelTo(cancelPoint_);
  }
  QDialog::done(result);
}

void PartTableDialog::loadClass() {
  records_ = LoadPartClass(currentClass(), kind_, mainFile());
  fillRows();
}

void PartTableDialog::fillRows() {
  const int previous = recordList_->currentRow();
  {
    const QSignalBlocker blocker(recordList_);
    recordList_->clear();
    for (const PartRecord& record : records_) {
      auto* item = new QListWidgetItem(FromSkinText(record.displayName));
      if (kind_ == PartKind::Colours) {
        item->setData(kPartColourRole, static_cast<uint>(record.colour));
      } else {
        item->setData(kPartFontRole, PartFont(record));
        item->setData(kPartSampleRole, PartFontSample(record));
      }
      recordList_->addItem(item);
    }
    if (!records_.empty()) recordList_->setCurrentRow(previous >= 0 && previous < recordList_->count() ? previous : 0);
  }
  changeButton_->setEnabled(!records_.empty());
  showPreview();
}

void PartTableDialog::showPreview() {
  const int row = recordList_->currentRow();
  QPalette palette = this->palette();
  if (row < 0 || row >= static_cast<int>(records_.size())) {
    preview_->clear();
    preview_->setPalette(palette);
    return;
  }
  const PartRecord& record = records_[static_cast<std::size_t>(row)];
  const QString name = record.displayName.empty() ? QStringLiteral("Sample text") : FromSkinText(record.displayName);
  if (kind_ == PartKind::Colours) {
    palette.setColor(QPalette::Window, ColourToQt(record.colour));
    palette.setColor(QPalette::WindowText, ColourToQt(record.colour).lightness() < 128 ? Qt::white : Qt::black);
    preview_->setFont(font());
    preview_->setText(name + QStringLiteral("  (") + PartColourText(record.colour) + QLatin1Char(')'));
  } else {
    QFont sample = PartFont(record);
    if (sample.pointSize() > 48) sample.setPointSize(48);
    preview_->setFont(sample);
    preview_->setText(name);
  }
  preview_->setPalette(palette);
}

void PartTableDialog::changeRecord() {
  const int row = recordList_->currentRow();
  if (row < 0 || row >= static_cast<int>(records_.size())) return;
  PartRecord& record = records_[static_cast<std::size_t>(row)];
  if (kind_ == PartKind::Colours) {
    const auto chosen = CurrentColourChooser()(this, record.colour);
    if (!chosen) return;
    record.colour = *chosen;
  } else {
    const auto chosen = TextFontChooser()(PartFont(record), this);
    if (!chosen) return;
    StorePartFont(*chosen, record);
  }
  if (!SavePartClass(currentClass(), kind_, records_, mainFile())) {
    CurrentPrompt().inform("The changed table could not be written to \"" + SavedPartPath(currentClass(), kind_, mainFile()) +
                               "\" in the skins folder. The skin keeps its earlier table.",
                           "Quillmont Tessera");
    loadClass();
    return;
  }
  fillRows();
}

void PartTableDialog::revertClass() {
  RevertPartClass(currentClass(), kind_, mainFile());
  loadClass();
}

}  // namespace tessera::ui
