// The main window's skin commands: open, create, save, close, apply and the skin tools, each
// settling unsaved changes first where it replaces the open skin or ends the program.
#include <QCloseEvent>
#include <QLabel>

#include "core/app/skin_actions.h"
#include "core/platform/activity_report.h"
#include "core/platform/environment.h"
#include "core/platform/launcher_failure.h"
#include "core/platform/paths.h"
#include "core/platform/settings.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_session.h"
#include "ui/app/editor_launcher.h"
#include "ui/app/animation_area.h"
#include "ui/app/main_window.h"
#include "ui/app/preview_view.h"
#include "ui/app/skin_check_window.h"
#include "ui/common/modified_mark.h"
#include "ui/skin/skin_dialogs.h"

namespace tessera::ui {

void MainWindow::openSkinForEditing() {
  const std::string name = RunOpenSkinDialog(this);
  if (!name.empty() && SettleUnsavedChanges()) openPath(SkinMainFilePath(name), Before::Reset);
}

void MainWindow::newSkin() {
  const std::string name = RunNewSkinDialog(this);
  if (!name.empty() && SettleUnsavedChanges()) openPath(SkinMainFilePath(name), Before::Reset);
}

void MainWindow::openAppliedSkin() {
  const std::string path = AppliedSkinPath();
  if (!path.empty() && SettleUnsavedChanges()) openPath(path, Before::Reset);
}

void MainWindow::openRecentSkin(int index) {
  const std::string path =
      ReadSetting(settings::kHistorySection, "Skin" + std::to_string(index + 1), "", settings::kHistoryFile);
  if (!path.empty() && SettleUnsavedChanges()) openPath(path, Before::CommitThenReset);
}

void MainWindow::saveSkin() {
  if (Session().isOpen() && Session().modified == 0) ReportActivity("Skin " + Session().skinName + " has no unsaved changes.");
  if (Session().isOpen()) CommitSkinFiles();
  modifiedMark_->refresh();
  if (checkWindow_) checkWindow_->refresh();
}

void MainWindow::saveSkinAs() {
  if (!Session().isOpen() || !SettleUnsavedChanges()) return;
  const std::string name = RunSaveAsDialog(this);
  ResetSkin();
  if (!name.empty()) {
    openPath(SkinMainFilePath(name), Before::Nothing);
  } else {
    resetToStartPage();
  }
}

void MainWindow::closeSkin() {
  if (!SettleUnsavedChanges()) return;
  animation_->hide();
  CloseSkin();
  resetToStartPage();
}

void MainWindow::applySkin() {
  if (!Session().isOpen()) return;
  ApplySkin();
  modifiedMark_->refresh();
  updateMenus();
}

void MainWindow::openSkinFolder() {
  if (Session().isOpen()) OpenOrExplain(paths::join(GetSkinsFolder(), Session().skinName));
}

void MainWindow::manageSubStyles() {
  if (!requireSkin("No skin is currently open")) return;
  RunSubStyleManager(this, document_, Session().skinName);
}

void MainWindow::switchSubStyle() {
  if (!Session().isOpen()) return;
  if (skinLoaded_ && !SettleUnsavedChanges()) return;
  openPath(Session().openedPath, Before::Nothing);
}

void MainWindow::cleanSkin() {
  if (Session().isOpen()) RunCleanSkinDialog(this, document_, Session().skinName);
}

void MainWindow::checkSkin() {
  if (!Session().isOpen()) return;
  // The check reads the saved files; one window at a time, on the skin open now.
  if (checkWindow_) checkWindow_->close();
  checkWindow_ = new SkinCheckWindow(GetSkinsFolder(), Session().skinName, this,
                                     [this](QWidget* owner, const std::string& section) {
                                       OpenSectionEditor(owner, document_, 0, section);
                                     });
  checkWindow_->setAttribute(Qt::WA_DeleteOnClose);
  checkWindow_->show();
}

void MainWindow::manageSkins() { RunSkinManager(this); }

void MainWindow::exitProgram() {
  if (!SettleUnsavedChanges()) return;
  storePlacement();
  done(QDialog::Accepted);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!SettleUnsavedChanges()) {
    event->ignore();
    return;
  }
  storePlacement();
  event->accept();
  QDialog::closeEvent(event);
}

}  // namespace tessera::ui
