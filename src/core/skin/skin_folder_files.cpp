#include "core/skin/skin_folder_files.h"

#include <set>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera {

std::string OpenSkinFolderPath() {
  const SkinSession& s = Session();
  if (!s.isOpen() || !IsSafeSkinName(s.skinName)) return {};
  return paths::join(GetSkinsFolder(), s.skinName);
}

std::vector<std::string> SkinFolderFiles(std::string_view upperExtension) {
  std::vector<std::string> listed;
  const std::string folder = OpenSkinFolderPath();
  if (folder.empty()) return listed;
  std::set<std::string> seen;
  for (const std::string& name : files::listFilesWithExtension(folder, upperExtension)) {
    std::string value = paths::lower(Session().skinName + "\\" + name);
    if (seen.insert(value).second) listed.push_back(std::move(value));
  }
  return listed;
}

std::string SkinFolderFilePath(std::string_view listed) {
  if (listed.empty() || !IsSafeRelativePath(listed)) return {};
  return paths::join(GetSkinsFolder(), paths::toNative(listed));
}

CopyIntoSkin CopyIntoSkinFolder(const std::string& source) {
  const std::string folder = OpenSkinFolderPath();
  const std::string_view name = paths::fileName(source);
  if (folder.empty() || name.empty() || !files::isFile(source)) return CopyIntoSkin::Failed;
  const std::string target = paths::join(folder, name);
  if (files::exists(target)) return CopyIntoSkin::AlreadyThere;
  return files::copyFile(source, target, false) ? CopyIntoSkin::Copied : CopyIntoSkin::Failed;
}

}  // namespace tessera
