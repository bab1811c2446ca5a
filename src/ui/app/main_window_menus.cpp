// The main window's menus: every command, the skin-only enabling and the recent-skins submenu.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "core/app/skin_actions.h"
#include "core/image/frame_builder.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"
#include "ui/app/about_box.h"
#include "ui/app/editor_launcher.h"
#include "ui/app/package_progress.h"
#include "ui/app/message_prompt.h"
#include "ui/app/preferences_sheet.h"
#include "ui/app/preview_view.h"
#include "ui/app/skin_properties_dialog.h"
#include "ui/app/undo_actions.h"
#include "ui/app/main_window.h"

namespace tessera::ui {

namespace {
constexpr int kFirstRecentCommand = 2000;
}

void MainWindow::buildMenus(QMenuBar* bar) {
  auto add = [this](QMenu* menu, const QString& text, auto slot, bool needsSkin, const QKeySequence& keys = {}) {
    QAction* action = menu->addAction(text, this, slot);
    if (!keys.isEmpty()) action->setShortcut(keys);
    if (needsSkin) skinActions_.append(action);
    return action;
  };

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  add(file, QStringLiteral("&Open skin for editing..."), &MainWindow::openSkinForEditing, false, QKeySequence::Open);
  appliedSkinAction_ = add(file, QStringLiteral("Open current &Velarium skin"), &MainWindow::openAppliedSkin, false);
  recentMenu_ = file->addMenu(QStringLiteral("&Recent skins..."));
  connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
  file->addSeparator();
  add(file, QStringLiteral("&Save skin"), &MainWindow::saveSkin, true, QKeySequence::Save);
  add(file, QStringLiteral("Sav&e As..."), &MainWindow::saveSkinAs, true, QKeySequence::SaveAs);
  add(file, QStringLiteral("Close &skin"), &MainWindow::closeSkin, true, QKeySequence(Qt::CTRL | Qt::Key_W));
  file->addSeparator();
  add(file, QStringLiteral("&Apply skin"), &MainWindow::applySkin, true);
  add(file, QStringLiteral("&Make VLA package"), &MainWindow::makePackage, true);
  add(file, QStringLiteral("Open skin &folder"), &MainWindow::openSkinFolder, true);
  file->addSeparator();
  add(file, QStringLiteral("E&xit"), &MainWindow::exitProgram, false, QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  edit->addAction(undo_->undoAction());
  edit->addAction(undo_->redoAction());
  edit->addSeparator();
  edit->addAction(undo_->historyAction());
  skinActions_.append(undo_->historyAction());

  QMenu* skin = bar->addMenu(QStringLiteral("S&kin"));
  add(skin, QStringLiteral("SubStyle &Management"), &MainWindow::manageSubStyles, true);
  add(skin, QStringLiteral("S&witch substyle"), &MainWindow::switchSubStyle, true);
  add(skin, QStringLiteral("Skin &Properties"), &MainWindow::editSkinProperties, true);
  add(skin, QStringLiteral("&Clean skin"), &MainWindow::cleanSkin, true);
  add(skin, QStringLiteral("Check s&kin"), &MainWindow::checkSkin, true);
  skin->addSeparator();
  add(skin, QStringLiteral("Ma&nage skins"), &MainWindow::manageSkins, false);
  QAction* refresh = skin->addAction(QStringLiteral("&Refresh preview"), this, [this] {
    RefreshPreview();
    preview_->update();
  });
  refresh->setShortcut(QKeySequence(Qt::Key_F5));
  skinActions_.append(refresh);

  QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
  tools->addAction(QStringLiteral("Sub &frame builder"), this, [this] {
    BuilderPath().clear();  // from the menu the builder starts empty, not on the last import's picture
    OpenFrameBuilder(this);
  });
  // A cut-out linked to a section changes the look: the preview shows the skin as it now is.
  skinActions_.append(tools->addAction(QStringLiteral("C&ut from larger graphic..."), this, [this] {
    OpenCutTool(this, document_);
    RefreshPreview();
    preview_->update();
  }));
  tools->addAction(QStringLiteral("&Build ZOR File for animation..."), this, [this] { OpenZorBuilder(this); });
  skinActions_.append(tools->addAction(QStringLiteral("&How do I?"), this, [this] {
    OpenHowDoI(this, document_);
    RefreshPreview();
    preview_->update();
  }));
  tools->addSeparator();
  add(tools, QStringLiteral("&Preferences"), &MainWindow::showPreferences, false, QKeySequence::Preferences);

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  add(help, QStringLiteral("&About Tessera"), &MainWindow::showAbout, false);
  updateMenus();
}

void MainWindow::updateMenus() {
  const bool open = Session().isOpen();
  for (QAction* action : skinActions_) action->setEnabled(open);
  if (appliedSkinAction_) appliedSkinAction_->setEnabled(!ReadSetting(settings::SkinSet2).empty());
}

void MainWindow::fillRecentMenu() {
  recentMenu_->clear();
  bool any = false;
  for (int k = 0; k < settings::kHistoryLength; ++k) {
    const std::string name = ReadSetting(settings::kHistorySection, "Name" + std::to_string(k + 1), "", settings::kHistoryFile);
    if (name.empty()) continue;
    any = true;
    QAction* action = recentMenu_->addAction(FromSkinText(name), this, [this, k] { openRecentSkin(k); });
    action->setData(kFirstRecentCommand + k);
  }
  if (!any) recentMenu_->addAction(QStringLiteral("No skin history"))->setEnabled(false);
}

void MainWindow::showPreferences() {
  PreferencesSheet sheet(this);
  sheet.exec();
  if (Session().isOpen()) rebuildCategoryPane();
}

void MainWindow::editSkinProperties() {
  if (!requireSkin("No skin opened")) return;
  SkinPropertiesDialog dialog(this);
  dialog.exec();
}

void MainWindow::showAbout() { ShowAboutBox(this); }

void MainWindow::makePackage() {
  if (Session().isOpen()) MakePackageWithProgress(this);
}

}  // namespace tessera::ui
