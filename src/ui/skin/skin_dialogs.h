#pragma once
// The skin-management dialogs as the main window starts them. Each runs modally over `parent`.
#include <QWidget>
#include <string>

namespace tessera {
class SkinDocument;
}

namespace tessera::ui {

// "Open skin for editing": the chosen skin's name, or "" when cancelled. A request to create a
// new skin from this dialog runs the new-skin dialog and returns the new skin's name.
std::string RunOpenSkinDialog(QWidget* parent);
// "Enter new skin name" (save as): the new name after the open skin was copied, or "".
std::string RunSaveAsDialog(QWidget* parent);
// "Skin management": lists the installed skins and deletes the ticked ones.
void RunSkinManager(QWidget* parent);
// "Create new skin": the new skin's name, or "" when cancelled.
std::string RunNewSkinDialog(QWidget* parent);
// "Select a substyle" for a skin with sub-styles: the chosen sub-style's file name ("" for the
// main file or when the skin has none).
std::string PickSubStyle(QWidget* parent, const std::string& skinName);
// "Substyle management" of the skin.
void RunSubStyleManager(QWidget* parent, SkinDocument* document, const std::string& skinName);
// "Clean skin" of the skin.
void RunCleanSkinDialog(QWidget* parent, SkinDocument* document, const std::string& skinName);

}  // namespace tessera::ui
