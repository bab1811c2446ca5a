#pragma once
// Packing a skin into its ".vla" archive: a zip of the plain files of the skin folder (files of
// sub-folders included, all stored without folder names), deflated at the highest level. What
// only the editor uses stays out: working copies, the re-import list, cut-link files, and the
// "TempPngs" and "backup" folders.
#include <functional>
#include <string>
#include <string_view>

namespace tessera {

// <skins folder>/Tessera7/VLA
std::string PackageOutputFolder(std::string_view skinsFolder);
// <output folder>/<skin name>.vla
std::string PackagePath(std::string_view skinsFolder, std::string_view skinName);

// Called with the share of the work done, from 0 to 1.
using PackageProgress = std::function<void(double)>;

struct PackageResult {
  bool ok = false;
  std::string packagePath;
  int fileCount = 0;
  std::string message;  // what failed, when it failed
};

// Writes the archive of skin `skinName` to `packagePath` (empty: the default path, its folder
// created when missing). Cached renderings are deleted from the skin folder first and an existing
// package is replaced. Two files of one name in different folders: a top-level file wins, else
// the shallower, else the first in folder-name order.
PackageResult MakeSkinPackage(std::string_view skinsFolder, std::string_view skinName, std::string_view packagePath = {},
                              const PackageProgress& progress = {});

// "Make VLA package": packs into the default path, then opens the output folder with the shell.
PackageResult MakePackageAndShowFolder(std::string_view skinsFolder, std::string_view skinName,
                                       const PackageProgress& progress = {});

}  // namespace tessera
