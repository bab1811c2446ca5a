#pragma once
// Where the engine and its skins live, and the command-line path.
#include <string>
#include <string_view>

namespace tessera {

// HKEY_LOCAL_MACHINE\SOFTWARE\Quillmont\Marrowline\Velarium, value "Path"; empty when missing.
std::string EngineInstallFolder();

// The engine skins folder without a trailing separator: setting VL5.ini/Installed/Path, else the
// documents folder + "Quillmont/Velarium". This form computes it once and keeps it for the run.
std::string GetSkinsFolder();
// The same, recomputed on every call (used for paths into the data folder).
std::string GetSkinsFolderFresh();
// Forgets the kept skins folder (the next GetSkinsFolder recomputes it).
void ResetSkinsFolderCache();

// <skins folder>/Tessera7, recomputed on every call.
std::string DataFolder();
// Path of a file inside the data folder.
std::string DataFile(std::string_view relative);

// The first argument that is not a switch, upper-cased; empty when there is none.
std::string CommandLinePath(int argc, const char* const* argv);
// A path that names a file inside a folder A opens A/A.UIS: the parent folder plus the parent's
// name with ".UIS". A path without a separator after its first character is kept.
std::string SkinPathForCommandLine(std::string_view path);

// Platform suffix of shared modules ("so" here).
std::string_view ModuleSuffix();
// <folder>/<name>.<suffix>
std::string ModulePath(std::string_view folder, std::string_view name);

}  // namespace tessera
