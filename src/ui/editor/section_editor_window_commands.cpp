// The section editor's commands: reload, test, save, apply, zoom, background and brightness.
#include <QApplication>
#include <QComboBox>
#include <QSlider>
#include <QTreeWidget>

#include "ui/common/appearance.h"
#include "core/app/skin_actions.h"
#include "core/app/test_skin.h"
#include "core/editor/preview_background.h"
#include "core/platform/settings.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_session.h"
#include "ui/editor/section_editor_window.h"
#include "ui/common/modified_mark.h"
#include "ui/common/zoom_window.h"
#include "ui/editor/large_preview_button.h"

namespace tessera::ui {

void SectionEditorWindow::forceReimport() {
  RefreshPreview();
  preview_->update();
}

void SectionEditorWindow::testSkin() { TestSkin(); }

void SectionEditorWindow::saveSkin() {
  if (Session().isOpen()) CommitSkinFiles();
  modifiedMark_->refresh();
}

void SectionEditorWindow::applySkin() {
  setFocus();
  // Applying commits the skin (asking first) and reads the session, so it runs on this thread,
  // once the click that asked for it has been handled.
  QMetaObject::invokeMethod(
      this,
      [this] {
        ApplySkin();
        modifiedMark_->refresh();
      },
      Qt::QueuedConnection);
}

void SectionEditorWindow::showZoomWindow() { ShowZoomWindow(this); }

void SectionEditorWindow::backgroundChosen(int index) {
  WriteSetting(settings::BackIndex, index);
  preview_->update();
}

void SectionEditorWindow::brightnessSettled() {
  const int grey = GreyFromSlider(brightness_->value());
  if (grey == grey_) return;
  grey_ = grey;
  WriteSetting(settings::Brightness, grey_);
  applyInterfaceGrey();
  preview_->update();
}

void SectionEditorWindow::applyInterfaceGrey() {
  // Window, statics, edits and the tree all stand on the interface grey.
  setPalette(InterfacePalette(QApplication::palette(), grey_, true));
  setAutoFillBackground(true);
  update();
}

}  // namespace tessera::ui
