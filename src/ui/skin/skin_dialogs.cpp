// The skin-management dialogs as the main window starts them, over the engine's skins folder.
#include "ui/skin/skin_dialogs.h"

#include "core/platform/environment.h"
#include "core/skin/skin_session.h"
#include "core/skin/substyles.h"
#include "ui/skin/clean_skin_dialog.h"
#include "ui/skin/new_skin_dialog.h"
#include "ui/skin/open_skin_dialog.h"
#include "ui/skin/save_as_dialog.h"
#include "ui/skin/skin_manager_dialog.h"
#include "ui/skin/substyle_manager_dialog.h"
#include "ui/skin/substyle_picker.h"

namespace tessera::ui {

std::string RunOpenSkinDialog(QWidget* parent) {
  OpenSkinDialog dialog(GetSkinsFolder(), parent);
  dialog.exec();
  return dialog.chosenSkin();
}

std::string RunSaveAsDialog(QWidget* parent) {
  if (Session().skinName.empty()) return {};
  SaveAsDialog dialog(GetSkinsFolder(), Session().skinName, parent);
  dialog.exec();
  return dialog.newName();
}

void RunSkinManager(QWidget* parent) {
  SkinManagerDialog dialog(GetSkinsFolder(), parent);
  dialog.exec();
}

std::string RunNewSkinDialog(QWidget* parent) {
  NewSkinDialog dialog(GetSkinsFolder(), parent);
  dialog.exec();
  return dialog.createdName();
}

std::string PickSubStyle(QWidget* parent, const std::string& skinName) {
  const SubStyleFile file(GetSkinsFolder(), skinName);
  const std::vector<std::string> names = SubStylePickerRows(file);
  if (names.empty()) return {};
  SubStylePickerDialog dialog(names, parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  return SubStylePickerResult(file, dialog.chosenRow());
}

void RunSubStyleManager(QWidget* parent, SkinDocument* document, const std::string& skinName) {
  SubStyleManagerDialog dialog(document, GetSkinsFolder(), skinName, parent);
  dialog.exec();
}

void RunCleanSkinDialog(QWidget* parent, SkinDocument* document, const std::string& skinName) {
  CleanSkinDialog dialog(document, GetSkinsFolder(), skinName, parent);
  dialog.exec();
}

}  // namespace tessera::ui
