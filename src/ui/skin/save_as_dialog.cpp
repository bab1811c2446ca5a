#include "ui/skin/save_as_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/skin/new_skin.h"
#include "core/skin/skin_list.h"
#include "ui/skin/display_scale.h"
#include "ui/skin/skin_messages.h"
#include "core/platform/skin_text.h"
#include "ui/common/progress_window.h"

namespace tessera::ui {

SaveAsDialog::SaveAsDialog(std::string skinsFolder, std::string currentSkin, QWidget* parent)
    : QDialog(parent), skinsFolder_(std::move(skinsFolder)), currentSkin_(std::move(currentSkin)) {
  setWindowTitle(QStringLiteral("Enter new skin name"));

  auto* heading = new QLabel(QStringLiteral("Enter new skin name"), this);
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
  heading->setFont(headingFont);
  auto* hint = new QLabel(QStringLiteral("Every Velarium skin must have a unique name "), this);
  hint->setWordWrap(true);
  name_ = new QLineEdit(this);
  hint->setBuddy(name_);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &SaveAsDialog::saveAs);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(hint);
  layout->addWidget(name_);
  layout->addSpacing(ScaledPixels(this, 6));
  layout->addWidget(buttons);
  setMinimumWidth(ScaledPixels(this, 360));
  name_->setFocus();
}

void SaveAsDialog::saveAs() {
  const SkinDatabase database = OnDemandSkinDatabase();
  // A stopped copy leaves no new skin, and the dialog stays open for another try.
  ProgressWindow progress(this, QStringLiteral("Save As"), QStringLiteral("Copying the skin..."));
  const NewSkinResult result =
      SaveSkinAs(skinsFolder_, ToSkinText(name_->text()), currentSkin_, &database, progress.callback());
  progress.finish();
  if (result.created()) {
    newName_ = result.name;
    accept();
    return;
  }
  if (!result.message.empty()) ShowErrorMessage(this, result.message, result.caption);
}

}  // namespace tessera::ui
