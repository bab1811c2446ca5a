#pragma once
// Packing a skin into its ".vla" archive: a zip of the plain files of the skin folder (files of
// sub-folders included, all stored without folder names), deflated at the highest level. What
// only the editor uses stays out: working copies, the re-import list, cut-link files, and the
// "TempPngs" and "backup" folders.
#include <string>
#include <string_view>

#include "core/platform/progress.h"

namespace tessera {

// <skins folder>/Tessera7/VLA
std::string PackageOutputFolder(std::string_view skinsFolder);
// <output folder>/<skin name>.vla
std::string PackagePath(std::string_view skinsFolder, std::string_view skinName);

// The package's progress is told in these steps (shares of the compressed bytes).
inline constexpr int kPackageProgressSteps = 1000;

struct PackageResult {
  bool ok = false;
  std::string packagePath;
  int fileCount = 0;
  std::string message;     // what failed, when it failed
  bool cancelled = false;  // the progress callback asked to stop
};

// Writes the archive of skin `skinName` to `packagePath` (empty: the default path, its folder
// created when missing). Cached renderings are deleted from the skin folder first and an existing
// package is replaced. Two files of one name in different folders: a top-level file wins, else
// the shallower, else the first in folder-name order. The archive is written under a temporary
// name and renamed over the package at the end: when `progress` (counting to
// kPackageProgressSteps) asks to stop, or the writing fails, no new file is left and an older
// package stays as it was.
PackageResult MakeSkinPackage(std::string_view skinsFolder, std::string_view skinName, std::string_view packagePath = {},
                              const ProgressCallback& progress = {});

// "Make VLA package": packs into the default path, then opens the output folder with the shell.
PackageResult MakePackageAndShowFolder(std::string_view skinsFolder, std::string_view skinName,
                                       const ProgressCallback& progress = {});

}  // namespace tessera
