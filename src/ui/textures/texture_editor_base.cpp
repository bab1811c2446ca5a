#include "ui/textures/texture_editor_base.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/app/skin_actions.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_session.h"
#include "ui/sheet/refresh_timer.h"
#include "ui/textures/texture_list.h"
#include "ui/textures/texture_picker.h"

namespace tessera::ui {

TextureEditorBase::TextureEditorBase(SkinDocument* document, const QString& title, SkinPreviewBand::Content content,
                                     QWidget* parent)
    : QDialog(parent), document_(document) {
  setWindowTitle(title);
  band_ = new SkinPreviewBand(content, this);
  body_ = new QVBoxLayout;
  saveButton_ = new QPushButton(QStringLiteral("Save"), this);
  applyButton_ = new QPushButton(QStringLiteral("Apply"), this);
  closeButton_ = new QPushButton(QStringLiteral("Close"), this);
  saveButton_->setAutoDefault(false);
  applyButton_->setAutoDefault(false);
  closeButton_->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(saveButton_);
  buttons->addWidget(applyButton_);
  buttons->addStretch(1);
  buttons->addWidget(closeButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(band_);
  layout->addLayout(body_, 1);
  layout->addLayout(buttons);

  refresh_ = new RefreshTimer(this, {}, [this] {
    RefreshPreview();
    band_->update();
  });
  connect(saveButton_, &QPushButton::clicked, this, &TextureEditorBase::save);
  connect(applyButton_, &QPushButton::clicked, this, &TextureEditorBase::apply);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);

  // Later steps never merge into one made before the window opened, so the window can tell
  // whether it changed anything.
  if (document_) undoIndexAtOpen_ = document_->markCancelPoint();
}

TexturePicker* TextureEditorBase::addPicker(const QString& caption, const char* section, QVBoxLayout* into) {
  auto* picker = new TexturePicker(document_, caption, section, this);
  into->addWidget(picker, 1);
  pickers_.push_back(picker);
  picker->refill();
  connect(picker, &TexturePicker::textureWritten, this, &TextureEditorBase::startRefresh);
  connect(picker, &TexturePicker::pictureRewritten, this, &TextureEditorBase::startRefresh);
  connect(picker, &TexturePicker::picturesChanged, this, &TextureEditorBase::refillPickers);
  return picker;
}

void TextureEditorBase::refillPickers() {
  for (TexturePicker* picker : pickers_) picker->refill();
}

void TextureEditorBase::startRefresh() { refresh_->start(); }

bool TextureEditorBase::isRefreshPending() const { return refresh_->isPending(); }

void TextureEditorBase::flushRefresh() { refresh_->flush(); }

void TextureEditorBase::save() {
  if (Session().isOpen()) CommitSkinFiles();
}

void TextureEditorBase::apply() {
  // Applying commits the skin (asking first) and reads the session, so it runs on this thread,
  // once the click that asked for it has been handled.
  QMetaObject::invokeMethod(this, [] { if (Session().isOpen()) ApplySkin(); }, Qt::QueuedConnection);
}

void TextureEditorBase::done(int result) {
  refresh_->flush();
  // Opening an entry marks the skin modified before the window opens; when the window made no
  // step, the mark goes back to what the undo stack says.
  if (SkinDocument* document = document_; document && undoIndexAtOpen_ >= 0) {
    document->commitPendingStep();
    QUndoStack* stack = document->undoStack();
    if (stack->index() == undoIndexAtOpen_ && Session().isOpen()) Session().modified = stack->isClean() ? 0 : 1;
  }
  QDialog::done(result);
}

}  // namespace tessera::ui
