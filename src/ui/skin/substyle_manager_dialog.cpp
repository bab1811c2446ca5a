#include "ui/skin/substyle_manager_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/platform/paths.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "ui/skin/display_scale.h"
#include "ui/skin/skin_messages.h"
#include "core/platform/skin_text.h"
#include "ui/skin/substyle_name_dialogs.h"
#include "ui/skin/substyle_rows.h"

namespace tessera::ui {

namespace {
constexpr const char* kCaption = "Substyle management";
constexpr const char* kEditedSubStyleMessage =
    "This substyle is open for editing, so it cannot be deleted. Open another substyle first.";
}  // namespace

SubStyleManagerDialog::SubStyleManagerDialog(SkinDocument* document, std::string skinsFolder, std::string skinName,
                                             QWidget* parent)
    : QDialog(parent), document_(document), manager_(skinsFolder, skinName) {
  setWindowTitle(QString::fromLatin1(kCaption));

  auto* heading = new QLabel(QString::fromLatin1(kCaption), this);
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
  heading->setFont(headingFont);
  auto* text = new QLabel(QStringLiteral("A Velarium skin may consist of a number of different substyles which the "
                                         "user can chose from within the Velarium UI.  You can create and delete "
                                         "substyles using the options below."),
                          this);
  text->setWordWrap(true);

  list_ = new QListWidget(this);
  list_->setItemDelegate(new SubStyleRowDelegate(list_));
  list_->setUniformItemSizes(true);
  list_->setMinimumWidth(ScaledPixels(this, 360));

  auto button = [this](const char* label) {
    auto* b = new QPushButton(QString::fromLatin1(label), this);
    b->setAutoDefault(false);
    return b;
  };
  add_ = button("Add");
  rename_ = button("Rename");
  delete_ = button("Delete");
  up_ = button("Up");
  down_ = button("Down");
  vistaDefault_ = button("Make Vista default");
  sevenDefault_ = button("Make 7 default");
  QPushButton* close = button("Close");

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {add_, rename_, delete_}) buttons->addWidget(b);
  buttons->addSpacing(ScaledPixels(this, 8));
  for (QPushButton* b : {up_, down_}) buttons->addWidget(b);
  buttons->addSpacing(ScaledPixels(this, 8));
  for (QPushButton* b : {vistaDefault_, sevenDefault_}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* body = new QHBoxLayout;
  body->addWidget(list_, 1);
  body->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(text);
  layout->addLayout(body, 1);

  connect(list_, &QListWidget::currentRowChanged, this, &SubStyleManagerDialog::updateButtons);
  connect(add_, &QPushButton::clicked, this, &SubStyleManagerDialog::addSubStyle);
  connect(rename_, &QPushButton::clicked, this, &SubStyleManagerDialog::renameSubStyle);
  connect(delete_, &QPushButton::clicked, this, &SubStyleManagerDialog::deleteSubStyle);
  connect(up_, &QPushButton::clicked, this,
          [this] { runOnSelected(&SubStyleManager::moveUp, QStringLiteral("Move sub-style up")); });
  connect(down_, &QPushButton::clicked, this,
          [this] { runOnSelected(&SubStyleManager::moveDown, QStringLiteral("Move sub-style down")); });
  connect(vistaDefault_, &QPushButton::clicked, this, [this] {
    runOnSelected(&SubStyleManager::makeVistaDefault, QStringLiteral("Make sub-style the Vista default"));
  });
  connect(sevenDefault_, &QPushButton::clicked, this, [this] {
    runOnSelected(&SubStyleManager::make7Default, QStringLiteral("Make sub-style the Windows 7 default"));
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  refill(0);
  resize(ScaledPixels(this, 620), ScaledPixels(this, 420));
}

void SubStyleManagerDialog::refill(int row) {
  const QSignalBlocker blocker(list_);
  list_->clear();
  for (const auto& r : manager_.rows()) list_->addItem(NewSubStyleItem(r));
  if (list_->count() > 0) list_->setCurrentRow(row >= 0 && row < list_->count() ? row : 0);
  updateButtons();
}

void SubStyleManagerDialog::updateButtons() {
  const SubStyleButtons enabled = manager_.buttonsFor(list_->currentRow());
  rename_->setEnabled(enabled.rename);
  delete_->setEnabled(enabled.remove);
  up_->setEnabled(enabled.up);
  down_->setEnabled(enabled.down);
  vistaDefault_->setEnabled(enabled.makeVistaDefault);
  sevenDefault_->setEnabled(enabled.make7Default);
}

template <typename Operation>
void SubStyleManagerDialog::runOnSelected(Operation operation, const QString& stepName) {
  const int row = list_->currentRow();
  if (row < 0) return;
  const SubStyleResult result = [&] {
    const SkinDocument::Step step(document_, stepName);
    return (manager_.*operation)(row);
  }();
  if (!result.ok && !result.message.empty()) ShowErrorMessage(this, result.message, kCaption);
  refill(result.ok ? result.selectedRow : row);
}

void SubStyleManagerDialog::addSubStyle() {
  const int row = list_->currentRow();
  NewSubStyleDialog dialog(document_, manager_, this);
  if (dialog.exec() == QDialog::Accepted) refill(row);
}

void SubStyleManagerDialog::renameSubStyle() {
  const int row = list_->currentRow();
  if (row < 0 || !manager_.buttonsFor(row).rename) return;
  RenameSubStyleDialog dialog(FromSkinText(manager_.file().subStyle(row).name), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const SkinDocument::Step step(document_, QStringLiteral("Rename sub-style"));
  const SubStyleResult result = manager_.rename(row, ToSkinText(dialog.newName()));
  if (!result.ok && !result.message.empty()) ShowErrorMessage(this, result.message, kCaption);
  refill(row);
}

bool SubStyleManagerDialog::isOpenForEditing(int row) const {
  const SkinSession& session = Session();
  if (!session.isOpen() || !paths::equalsIgnoreCase(session.skinName, manager_.file().skinName())) return false;
  if (session.chosenSubStyle.empty()) return row == 0;
  return row >= 0 && paths::equalsIgnoreCase(manager_.file().subStyle(row).skin, session.chosenSubStyle);
}

void SubStyleManagerDialog::deleteSubStyle() {
  // Committing the working copy later would write the deleted sub-style back over whatever took
  // its file's place.
  if (isOpenForEditing(list_->currentRow())) {
    ShowErrorMessage(this, kEditedSubStyleMessage, kCaption);
    return;
  }
  runOnSelected(&SubStyleManager::remove, QStringLiteral("Delete sub-style"));
}

}  // namespace tessera::ui
