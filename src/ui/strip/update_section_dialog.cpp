#include "ui/strip/update_section_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/skin_text.h"
#include "core/skin/section_catalogue.h"

namespace tessera::ui {

namespace {

// The row of a section: its name, what the catalogue calls it, and a companion's file.
QString rowText(const LinkableSection& section, const SectionCatalogue& catalogue) {
  QString text = FromSkinText(section.name);
  const std::string description = catalogue.description(section.name);
  if (!description.empty() && description != section.name) text += QStringLiteral("  (%1)").arg(FromSkinText(description));
  if (section.file == LinkFile::Taskbar) text += QStringLiteral("  [taskbar file]");
  if (section.file == LinkFile::Shell) text += QStringLiteral("  [shell file]");
  return text;
}

}  // namespace

UpdateSectionDialog::UpdateSectionDialog(QWidget* parent) : QDialog(parent), sections_(LinkableSections()) {
  setWindowTitle(QStringLiteral("Update section"));
  auto* question = new QLabel(QStringLiteral("Do you want to associate this with a skin section?"), this);
  list_ = new QListWidget(this);
  list_->setUniformItemSizes(true);
  const SectionCatalogue catalogue;
  QStringList rows;
  rows.reserve(static_cast<int>(sections_.size()));
  for (const LinkableSection& section : sections_) rows << rowText(section, catalogue);
  list_->addItems(rows);
  if (!sections_.empty()) list_->setCurrentRow(0);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* update = buttons->addButton(QStringLiteral("Update"), QDialogButtonBox::AcceptRole);
  update->setDefault(true);
  update->setEnabled(!sections_.empty());
  buttons->addButton(QStringLiteral("None"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(question);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  resize(420, 480);
}

SectionLinkAnswer UpdateSectionDialog::answer() const {
  const int row = list_->currentRow();
  if (result() != QDialog::Accepted || row < 0 || row >= static_cast<int>(sections_.size())) return {};
  const LinkableSection& chosen = sections_[static_cast<std::size_t>(row)];
  return {chosen.name, static_cast<int>(chosen.file)};
}

SectionLinkAnswer UpdateSectionDialog::ask(QWidget* parent) {
  UpdateSectionDialog dialog(parent);
  dialog.exec();
  return dialog.answer();
}

}  // namespace tessera::ui
