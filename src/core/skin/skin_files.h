#pragma once
// Opening a skin into "~" working copies and committing them back.
#include <string>
#include <string_view>

#include "core/platform/system_colours.h"

namespace tessera {

// What opening does with "~" working copies that are already there.
enum class WorkingCopies {
  Remake,        // the editor: fresh copies of the permanent files, unless the user recovers
                 // copies that an earlier session left with unsaved changes (kRecoverQuestion)
  KeepExisting,  // tools beside a running editor: its unsaved edits stay, missing copies are made
};

inline constexpr const char* kRecoverQuestion =
    "This skin has unsaved changes from an earlier session. Recover them?";

// Makes the working copies of the skin at `path` (a .uis file) and fills the session. With a
// non-empty `chosenSubStyle` the main file is that sub-style file of the skin folder.
void OpenSkinFiles(const std::string& path, const std::string& chosenSubStyle,
                   WorkingCopies existing = WorkingCopies::Remake);

inline constexpr const char* kSaveQuestion = "Do you want to save any skin changes?";
inline constexpr const char* kSaveCaption = "Save changes?";

// Copies the working files back over the permanent ones, asking first unless AutoSave is 1.
// Does nothing when no skin is open or nothing was modified.
void CommitSkinFiles();
// The same without asking. Returns false when the save failed (the user is told; the working
// copies keep the changes and the skin stays modified).
bool SaveSkinFiles();
// Drops the unsaved changes of a skin that is being closed: its working copies are removed (so
// that no later open offers them for recovery) and it is no longer modified.
void DiscardWorkingCopies();

// Skin name of a .uis path: the file name without its folder and last extension.
std::string SkinNameFromPath(std::string_view path);

// Frameless test of a skin file: no classic frame key and UseDWMFrames = 1.
bool IsFramelessSkin(const std::string& file);
// Desktop colour of a skin file: Colours/Background, else (empty or missing) the platform desktop
// colour.
ColorRef ReadDesktopColour(const std::string& file);

// Re-reads the session's desktop colour from the main working file.
void RefreshDesktopColour();

}  // namespace tessera
