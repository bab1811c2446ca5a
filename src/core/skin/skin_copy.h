#pragma once
// Copying a skin folder under a new name with every path reference changed: used by new skin
// (from a template of the data folder) and by save-as (from an installed skin).
#include <span>
#include <string>
#include <string_view>

#include "core/platform/progress.h"

namespace tessera {

class SkinDatabase;

// Keys whose values are paths relative to the skins folder, beginning with the skin's folder name.
std::span<const char* const> SkinPathKeys();

// In every section of `file`, each SkinPathKeys value whose first folder is `oldName` (in any
// letter case) gets `newName` in its place; other values stay as they are.
void RenameSkinReferences(const std::string& file, std::string_view oldName, std::string_view newName);

// RenameSkinReferences on a skin file and on the companion files it names (taskbar, shell,
// animations, toolbar icons), whose ".Info" sections of the latter two get the new SkinName.
// Companions are followed only inside the folder of skin `newName`.
void RenameSkinFileReferences(std::string_view skinsFolder, const std::string& file, std::string_view oldName,
                              std::string_view newName);

// Copies the plain files of `source` into `destination` (created when missing), except working
// copies ending in "~"; the main file and the .SSD are renamed after `newName`. False when
// the two folders are the same, the source path is too short or a file could not be copied.
// `progress` hears of each file copied (of the files to copy); when it asks to stop, the copy
// ends before the next file and the result is false.
bool CopySkinFolder(const std::string& source, const std::string& destination, std::string_view sourceName,
                    std::string_view newName, const ProgressCallback& progress = {});

struct CopySkinResult {
  bool copied = false;
  std::string message;     // why the copy was refused, when it was
  bool cancelled = false;  // the progress callback asked to stop; nothing was made
};

// Copies skin `sourceName` (a template folder of the data folder's "TesseraTemplates" when
// `fromTemplate`, else a skin of the skins folder) to <skins folder>/<newName>, renames every
// reference, the sub-style files and the SkinName, drops cached renderings and tells the skin
// database (when `database` is given). The new skin appears complete or not at all: it is built
// in a hidden work folder beside it (files::workFolderFor), flushed once and renamed into place.
// `progress` counts one step per file and one for the renamed references; a request to stop
// is honoured until the copy is flushed, and leaves no new skin (and no work folder) behind.
CopySkinResult CopySkin(std::string_view skinsFolder, std::string_view newName, std::string_view sourceName,
                        bool fromTemplate, const SkinDatabase* database, const ProgressCallback& progress = {});

// <skins folder>/Tessera7/TesseraTemplates
std::string TemplatesFolder(std::string_view skinsFolder);
// The data folder's name: no skin may take it.
inline constexpr const char* kDataFolderName = "Tessera7";

}  // namespace tessera
