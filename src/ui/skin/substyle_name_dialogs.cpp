#include "ui/skin/substyle_name_dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/app/message_prompt.h"
#include "ui/skin/display_scale.h"
#include "ui/skin/skin_messages.h"
#include "core/platform/skin_text.h"
#include "core/skin/skin_document.h"

namespace tessera::ui {

namespace {
constexpr const char* kSubStyleRefusedCaption = "Substyle management";
}  // namespace

NewSubStyleDialog::NewSubStyleDialog(SkinDocument* document, SubStyleManager& manager, QWidget* parent)
    : QDialog(parent), document_(document), manager_(manager) {
  setWindowTitle(QStringLiteral("Create new substyle"));
  auto* text = new QLabel(QStringLiteral("Please enter the name for this new substyle and pick the existing "
                                         "substyle it should be based on."),
                          this);
  text->setWordWrap(true);
  name_ = new QLineEdit(QString::fromLatin1(kNewSubStyleName), this);
  bases_ = new QListWidget(this);
  for (const auto& base : manager_.baseChoices()) {
    auto* item = new QListWidgetItem(FromSkinText(base.text), bases_);
    item->setData(Qt::UserRole, base.itemData);
  }
  if (bases_->count() > 0) bases_->setCurrentRow(0);

  auto* buttons = new QDialogButtonBox(this);
  create_ = buttons->addButton(QStringLiteral("Create"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  create_->setDefault(true);
  connect(create_, &QPushButton::clicked, this, &NewSubStyleDialog::create);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(name_);
  layout->addWidget(bases_, 1);
  layout->addWidget(buttons);
  resize(ScaledPixels(this, 360), ScaledPixels(this, 320));
  name_->setFocus();
  name_->selectAll();
}

void NewSubStyleDialog::create() {
  QListWidgetItem* base = bases_->currentItem();
  if (!base && bases_->count() > 0) base = bases_->item(0);
  const int baseItemData = base ? base->data(Qt::UserRole).toInt() : -1;
  const SkinDocument::Step step(document_, QStringLiteral("Add sub-style"));
  const SubStyleResult result = manager_.create(ToSkinText(name_->text()), baseItemData);
  if (result.ok) {
    accept();
    return;
  }
  if (!result.message.empty()) ShowErrorMessage(this, result.message, kSubStyleRefusedCaption);
}

RenameSubStyleDialog::RenameSubStyleDialog(const QString& currentName, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Rename substyle"));
  auto* text = new QLabel(
      QStringLiteral("The name you enter here is the name that shows in VLconfig for the user to pick"), this);
  text->setWordWrap(true);
  name_ = new QLineEdit(currentName, this);

  auto* buttons = new QDialogButtonBox(this);
  rename_ = buttons->addButton(QStringLiteral("Rename"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  rename_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(name_);
  layout->addWidget(buttons);
  setMinimumWidth(ScaledPixels(this, 340));
  name_->setFocus();
  name_->selectAll();
}

}  // namespace tessera::ui
