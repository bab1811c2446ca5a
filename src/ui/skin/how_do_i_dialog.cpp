#include "ui/skin/how_do_i_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/skin_actions.h"
#include "core/skin/skin_document.h"
#include "core/platform/skin_text.h"

namespace tessera::ui {

HowDoIDialog::HowDoIDialog(SkinDocument* document, QWidget* parent)
    : QDialog(parent), document_(document), tasks_(ReadHowDoITasks(HowDoICataloguePath())) {
  setWindowTitle(QStringLiteral("How do I?"));
  auto* intro = new QLabel(QStringLiteral("Select from the list below to change some common skin settings"), this);
  intro->setWordWrap(true);
  list_ = new QListWidget(this);
  text_ = new QPlainTextEdit(this);
  text_->setReadOnly(true);
  enabled_ = new QCheckBox(QStringLiteral("Enabled"), this);
  auto* apply = new QPushButton(QStringLiteral("Apply skin"), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setDefault(true);

  auto* right = new QVBoxLayout;
  right->addWidget(text_, 1);
  right->addWidget(enabled_);
  auto* body = new QHBoxLayout;
  body->addWidget(list_, 1);
  body->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(apply);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
  resize(640, 400);

  for (const HowDoITask& task : tasks_) new QListWidgetItem(FromSkinText(task.description), list_);
  markRows();
  connect(list_, &QListWidget::currentRowChanged, this, &HowDoIDialog::showTask);
  connect(enabled_, &QCheckBox::clicked, this, &HowDoIDialog::enabledClicked);
  // Applying commits the skin (asking first), so it runs once this click has been handled.
  connect(apply, &QPushButton::clicked, this,
          [this] { QMetaObject::invokeMethod(this, [] { ApplySkin(); }, Qt::QueuedConnection); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  if (!tasks_.empty()) list_->setCurrentRow(0);
  showTask(list_->currentRow());
}

void HowDoIDialog::showTask(int row) {
  const bool valid = row >= 0 && row < static_cast<int>(tasks_.size());
  enabled_->setEnabled(valid && CanSwitchTask(tasks_[static_cast<std::size_t>(row)]));
  if (!valid) {
    text_->clear();
    enabled_->setChecked(false);
    return;
  }
  const HowDoITask& task = tasks_[static_cast<std::size_t>(row)];
  text_->setPlainText(FromSkinText(task.text));
  enabled_->setChecked(IsTaskEnabled(task));
}

void HowDoIDialog::enabledClicked(bool checked) {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(tasks_.size())) return;
  const HowDoITask& task = tasks_[static_cast<std::size_t>(row)];
  {
    const SkinDocument::Step step(document_,
                                  (checked ? QStringLiteral("Turn on \"%1\"") : QStringLiteral("Turn off \"%1\""))
                                      .arg(FromSkinText(task.description)));
    SetTaskEnabled(task, checked);
  }
  markRows();
}

// Each row shows whether its task is on in the skin as it now is.
void HowDoIDialog::markRows() {
  for (int row = 0; row < list_->count() && row < static_cast<int>(tasks_.size()); ++row) {
    QListWidgetItem* item = list_->item(row);
    item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    item->setCheckState(IsTaskEnabled(tasks_[static_cast<std::size_t>(row)]) ? Qt::Checked : Qt::Unchecked);
  }
}

}  // namespace tessera::ui
