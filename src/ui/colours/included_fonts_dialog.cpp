#include "ui/colours/included_fonts_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/paths.h"
#include "core/platform/skin_text.h"
#include "core/skin/skin_document.h"
#include "ui/common/file_picker.h"

namespace tessera::ui {

IncludedFontsDialog::IncludedFontsDialog(SkinDocument* document, QWidget* parent) : QDialog(parent), document_(document) {
  setWindowTitle(QStringLiteral("Included Fonts"));
  if (document_) cancelPoint_ = document_->markCancelPoint();
  auto* intro = new QLabel(
      QStringLiteral("Velarium skins can include fonts which Velarium will install automatically install when the "
                     "skin is applied.  You must only include fonts that you have permission to redistribute."),
      this);
  intro->setWordWrap(true);
  auto* form = new QFormLayout;
  for (int i = 0; i < kIncludedFontCount; ++i) {
    auto* list = new QComboBox(this);
    list->setObjectName(QStringLiteral("font%1").arg(i + 1));
    list->setMinimumContentsLength(28);
    lists_[static_cast<std::size_t>(i)] = list;
    form->addRow(QStringLiteral("Font %1 :").arg(i + 1), list);
  }
  auto* copy = new QPushButton(QStringLiteral("Copy font from disk"), this);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(copy);
  bottom->addStretch();
  bottom->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(form);
  layout->addStretch();
  layout->addLayout(bottom);

  fillLists(ReadIncludedFonts());
  connect(copy, &QPushButton::clicked, this, &IncludedFontsDialog::copyFontFromDisk);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void IncludedFontsDialog::fillLists(const IncludedFonts& chosen) {
  const std::vector<std::string> fonts = SkinFolderFiles("TTF");
  for (int i = 0; i < kIncludedFontCount; ++i) {
    QComboBox* list = lists_[static_cast<std::size_t>(i)];
    list->clear();
    list->addItem(QString::fromLatin1(kNone), QByteArray());
    int selected = 0;
    for (const std::string& font : fonts) {
      list->addItem(FromSkinText(font), QByteArray::fromStdString(font));
      if (paths::equalsIgnoreCase(font, chosen[static_cast<std::size_t>(i)])) selected = list->count() - 1;
    }
    list->setCurrentIndex(selected);
  }
}

IncludedFonts IncludedFontsDialog::chosenFonts() const {
  IncludedFonts fonts;
  for (int i = 0; i < kIncludedFontCount; ++i)
    fonts[static_cast<std::size_t>(i)] = lists_[static_cast<std::size_t>(i)]->currentData().toByteArray().toStdString();
  return fonts;
}

void IncludedFontsDialog::copyFontFromDisk() {
  const QString chosen = PickFile(this, {.title = QStringLiteral("Select font to add to skin folder..."),
                                         .filter = QStringLiteral("Fonts (.ttf) (*.ttf)"),
                                         .defaultSuffix = QStringLiteral("ttf")});
  if (chosen.isEmpty()) return;
  const std::string source = chosen.toStdString();
  CopyIntoSkin result = CopyIntoSkin::Failed;
  {
    const SkinDocument::Step step(document_,
                                  QStringLiteral("Copy font %1").arg(QString::fromStdString(std::string(paths::fileName(source)))));
    result = CopyFontIntoSkin(source);
  }
  if (result == CopyIntoSkin::Refused) {
    QMessageBox::warning(this, QStringLiteral("Included Fonts"),
                         QStringLiteral("\"%1\" is not a TrueType font, so it was not copied into the skin folder.")
                             .arg(chosen));
  } else if (result == CopyIntoSkin::Failed) {
    QMessageBox::warning(this, QStringLiteral("Included Fonts"),
                         QStringLiteral("\"%1\" could not be copied into the skin folder.").arg(chosen));
  }
  // A font of the same name already there stays as it is; the lists are refilled either way.
  fillLists(chosenFonts());
}

void IncludedFontsDialog::done(int result) {
  SkinDocument* document = document_;
  if (result == QDialog::Accepted) {
    const SkinDocument::Step step(document, QStringLiteral("Included fonts"));
    WriteIncludedFonts(chosenFonts());
  } else if (document && cancelPoint_ >= 0) {
    document->cancelTo(cancelPoint_);
  }
  QDialog::done(result);
}

}  // namespace tessera::ui
