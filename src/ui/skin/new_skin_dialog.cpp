#include "ui/skin/new_skin_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/skin/skin_list.h"
#include "ui/skin/display_scale.h"
#include "ui/skin/skin_messages.h"
#include "core/platform/skin_text.h"
#include "ui/common/progress_window.h"

namespace tessera::ui {

namespace {

// A choice with its two lines of explanation under it, indented to the choice's text.
QRadioButton* addChoice(QVBoxLayout* layout, QWidget* owner, const QString& title, const QString& line1,
                        const QString& line2) {
  auto* button = new QRadioButton(title, owner);
  QFont bold = button->font();
  bold.setBold(true);
  button->setFont(bold);
  layout->addWidget(button);
  auto* details = new QLabel(line1 + QLatin1Char('\n') + line2, owner);
  details->setWordWrap(true);
  details->setContentsMargins(ScaledPixels(owner, 22), 0, 0, ScaledPixels(owner, 6));
  layout->addWidget(details);
  return button;
}

}  // namespace

NewSkinDialog::NewSkinDialog(std::string skinsFolder, QWidget* parent)
    : QDialog(parent), skinsFolder_(std::move(skinsFolder)) {
  setWindowTitle(QStringLiteral("Create new skin"));

  auto* intro = new QLabel(
      QStringLiteral("Velarium supports three different types of skins depending on the features that you would "
                     "like to use.  Please pick a type from below and enter a name for the new skin"),
      this);
  intro->setWordWrap(true);

  auto* group = new QGroupBox(QStringLiteral("I would like to make a "), this);
  auto* choices = new QVBoxLayout(group);
  basic_ = addChoice(choices, group, QStringLiteral("Velarium basic skin"),
                     QStringLiteral("These skins have titlebar borders which are limited to 4 pixels in width."),
                     QStringLiteral("They are the most compatible type of skin, but are more limited."));
  advanced_ = addChoice(choices, group, QStringLiteral("Velarium advanced skin"),
                        QStringLiteral("These skins are much more flexible and can have large shaped borders."),
                        QStringLiteral("In rare cases you may find an app which dislikes larger borders."));
  uis0_ = addChoice(choices, group, QStringLiteral("Velarium UIS0 skin"),
                    QStringLiteral("These skins are limited to Aero shape and style in many areas, but with the "
                                   "ability to add textures to the frames, startmenu and taskbar."),
                    QStringLiteral("These are not compatible with Windows XP."));
  advanced_->setChecked(true);

  auto* nameLabel = new QLabel(QStringLiteral("The base name of my skin should be  (max 20 chars)"), this);
  name_ = new QLineEdit(QStringLiteral("skinname"), this);
  name_->setMaxLength(20);
  nameLabel->setBuddy(name_);

  auto* buttons = new QDialogButtonBox(this);
  create_ = buttons->addButton(QStringLiteral("Create"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  create_->setDefault(true);
  connect(create_, &QPushButton::clicked, this, &NewSkinDialog::create);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(group);
  layout->addWidget(nameLabel);
  layout->addWidget(name_);
  layout->addStretch(1);
  layout->addWidget(buttons);
  setMinimumWidth(ScaledPixels(this, 480));
  name_->setFocus();
  name_->selectAll();
}

SkinType NewSkinDialog::chosenType() const {
  if (basic_->isChecked()) return SkinType::Basic;
  if (uis0_->isChecked()) return SkinType::UIS0;
  return SkinType::Advanced;
}

QRadioButton* NewSkinDialog::typeButton(SkinType type) const {
  switch (type) {
    case SkinType::Basic:
      return basic_;
    case SkinType::UIS0:
      return uis0_;
    case SkinType::Advanced:
      break;
  }
  return advanced_;
}

void NewSkinDialog::create() {
  const SkinDatabase database = OnDemandSkinDatabase();
  // A stopped copy leaves no new skin, and the dialog stays open for another try.
  ProgressWindow progress(this, QStringLiteral("Create new skin"), QStringLiteral("Creating the skin..."));
  const NewSkinResult result = CreateNewSkin(skinsFolder_, ToSkinText(name_->text()), chosenType(),
                                             PlatformOffersWindowRegionCall(), &database, progress.callback());
  progress.finish();
  if (result.created()) {
    createdName_ = result.name;
    accept();
    return;
  }
  if (!result.message.empty()) ShowErrorMessage(this, result.message, result.caption);
}

}  // namespace tessera::ui
