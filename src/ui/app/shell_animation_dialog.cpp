#include "ui/app/shell_animation_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/platform/skin_text.h"
#include "core/skin/skin_document.h"
#include "ui/common/video_preview.h"
#include "ui/pages/note_box.h"

namespace tessera::ui {

ShellAnimationDialog::ShellAnimationDialog(SkinDocument* document, const std::string& animation, QWidget* parent)
    : QDialog(parent), document_(document), choice_(ReadShellAnimation(animation)) {
  setWindowTitle(FromSkinText(choice_.caption));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(QStringLiteral("Replace animation"), this);
  QFont font = heading->font();
  font.setPointSizeF(font.pointSizeF() * 1.6);
  font.setBold(true);
  heading->setFont(font);
  layout->addWidget(heading);
  layout->addWidget(new NoteBox(QStringLiteral("Remember that animations should be RLE encoded and 272x60 "), this));

  auto* prompt = new QLabel(QStringLiteral("Animation to use :"), this);
  list_ = new QListWidget(this);
  prompt->setBuddy(list_);
  for (const std::string& entry : choice_.entries) list_->addItem(FromSkinText(entry));
  layout->addWidget(prompt);
  layout->addWidget(list_, 1);

  preview_ = new VideoPreview(this);
  layout->addWidget(preview_);
  status_ = new QLabel(this);
  status_->setWordWrap(true);
  layout->addWidget(status_);
  if (choice_.animationFileValue.empty()) {
    status_->setText(QStringLiteral("This skin names no animation file ([Animations] File), so the choice cannot be stored."));
  } else if (choice_.animationFile.empty()) {
    status_->setText(QStringLiteral("The skin's animation file \"%1\" lies outside the skins folder, so the choice cannot be stored.")
                         .arg(FromSkinText(choice_.animationFileValue)));
  }
  status_->setVisible(!status_->text().isEmpty());

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &ShellAnimationDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  // Wide enough for the note on one line and a preview at the desktop's own size.
  setMinimumWidth(420);
  list_->setCurrentRow(choice_.selected);
  play(choice_.selected);
  connect(list_, &QListWidget::currentRowChanged, this, &ShellAnimationDialog::play);
  list_->setFocus();
}

QString ShellAnimationDialog::status() const { return status_->text(); }

void ShellAnimationDialog::play(int entry) {
  if (entry <= 0) {
    // The system's own animations live in a library of another platform.
    preview_->showText(QStringLiteral("The system's own animation (clip %1) plays here.").arg(choice_.systemClip));
    return;
  }
  const std::string video = ShellAnimationVideo(choice_, entry);
  if (video.empty()) {
    preview_->showText(QStringLiteral("\"%1\" lies outside the skins folder.").arg(list_->item(entry)->text()));
    return;
  }
  preview_->playFile(QString::fromStdString(video));
}

void ShellAnimationDialog::accept() {
  if (!choice_.animationFile.empty()) {
    SkinDocument::Step step(document_, QStringLiteral("Replace animation"));
    if (!StoreShellAnimation(choice_, list_->currentRow())) {
      status_->setText(QStringLiteral("The choice could not be written to %1.")
                           .arg(QString::fromStdString(choice_.animationFile)));
      status_->setVisible(true);
      return;
    }
  }
  QDialog::accept();
}

}  // namespace tessera::ui
