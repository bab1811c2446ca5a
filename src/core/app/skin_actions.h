#pragma once
// What the main window does with the open skin: open, close, apply, refresh the engine's
// preview, write the thumbnail. Questions go through the Prompt interface, the sub-style choice
// through a callback, so the main window only wires these to its menus.
#include <functional>
#include <string>
#include <vector>

namespace tessera {

class SkinDocument;

// Asks the user for a sub-style of the skin (by skin name); returns the chosen sub-style file
// name, or "" for the main file.
using SubStyleChooser = std::function<std::string(const std::string& skinName)>;

// What the skin open before an open is done with.
enum class BeforeOpen {
  Reset,            // open-skin dialog, new skin, the applied skin: reset without committing
  CommitThenReset,  // recent skins: commit (asking), then reset
  Nothing,          // command line, save-as (already committed and reset), switch sub-style
};

struct OpenResult {
  bool opened = false;      // the main file has sections and is now the open skin
  std::string title;        // "[" + sub-style or skin name + "] - Quillmont Tessera"
  SkinDocument* document = nullptr;  // the open skin, alive until the skin closes
};

inline constexpr const char* kPlainTitle = "Quillmont Tessera";

// <skins folder>/<name>/<name>.uis
std::string SkinMainFilePath(const std::string& skinName);

// Opens a skin's main .uis file (any letter case); see BeforeOpen for the skin open before.
OpenResult OpenSkin(const std::string& path, BeforeOpen before, const SubStyleChooser& chooseSubStyle);

// Commits (asking unless AutoSave is 1), clears the modified flag whatever the answer, and
// resets the session to no skin. Changes the user declined to save leave with the working copies.
void CloseSkin();
// Forgets the open skin without committing; it is no longer modified.
void ResetSkin();
// Before the open skin is replaced or the program ends: when it has unsaved changes, asks the
// save question with Cancel (Yes saves, No discards; AutoSave 1 saves without asking). Returns
// false when the user cancelled or the save failed: the open skin then stays as it is.
bool SettleUnsavedChanges();

// Drops the engine's pictures, re-reads the desktop colour, deletes the cached renderings, runs
// the re-import pass and reloads the working main file into the preview library.
void RefreshPreview();

// Commit, record SkinSet/SkinSet2, hand the skin to the engine's renderer and start the loader.
void ApplySkin();

// The .uis path of the skin last applied, found from the file path in SkinSet (a sub-style
// file opens through its folder's main file), or "" when there is none. A SkinSet that is not a
// file of a skin folder of the skins folder is refused with a message.
std::string AppliedSkinPath();

// Writes <skin folder>/TSRPreview.png: a sample window, the preview window (its rectangle relative
// to the preview area, kept inside the sample window) and the task bar on an 800 x 600 canvas of
// the skin's desktop colour, scaled to 240 x 180, opaque. Returns false when it cannot be saved.
bool WriteThumbnail(int previewLeft, int previewTop, int previewRight, int previewBottom);

}  // namespace tessera
