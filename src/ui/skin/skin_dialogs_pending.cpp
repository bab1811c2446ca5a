// Placeholders for the skin-management dialogs until their real implementations land: each says
// which dialog would open.
#include <QMessageBox>

#include "ui/skin/skin_dialogs.h"

namespace tessera::ui {

namespace {
void notYet(QWidget* parent, const char* dialog) {
  QMessageBox::information(parent, QStringLiteral("Quillmont Tessera"),
                           QStringLiteral("The \"%1\" dialog opens here.").arg(QString::fromUtf8(dialog)));
}
}  // namespace

std::string RunOpenSkinDialog(QWidget* parent) {
  notYet(parent, "Open skin for editing");
  return {};
}
std::string RunSaveAsDialog(QWidget* parent) {
  notYet(parent, "Enter new skin name");
  return {};
}
void RunSkinManager(QWidget* parent) { notYet(parent, "Skin management"); }
std::string RunNewSkinDialog(QWidget* parent) {
  notYet(parent, "Create new skin");
  return {};
}
std::string PickSubStyle(QWidget*, const std::string&) { return {}; }
void RunSubStyleManager(QWidget* parent, const std::string&) { notYet(parent, "Substyle management"); }
void RunCleanSkinDialog(QWidget* parent, const std::string&) { notYet(parent, "Clean skin"); }

}  // namespace tessera::ui
