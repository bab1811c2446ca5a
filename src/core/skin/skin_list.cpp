#include "core/skin/skin_list.h"

#include <algorithm>

#include "core/engine/engine_startup.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/skin/skin_copy.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_path_safety.h"

namespace tessera {

SkinDatabase OnDemandSkinDatabase() {
  DynamicLibrary& library = Engine().skinDatabase;
  if (!library.isLoaded()) library.load(SkinDatabasePath());
  return SkinDatabase(library);
}

std::string SkinMainFile(std::string_view skinsFolder, std::string_view name) {
  return paths::join(paths::join(skinsFolder, name), std::string(name) + ".uis");
}

std::vector<std::string> ListSkinFolders(std::string_view skinsFolder) {
  std::vector<std::string> skins;
  for (const auto& name : files::listFolders(skinsFolder)) {
    if (files::isWorkFolderName(name)) continue;  // a copy being made, or the debris of a crashed one
    if (files::isFile(SkinMainFile(skinsFolder, name))) skins.push_back(name);
  }
  std::stable_sort(skins.begin(), skins.end(),
                   [](const std::string& a, const std::string& b) { return paths::upper(a) < paths::upper(b); });
  return skins;
}

SkinIdentity ReadSkinIdentity(std::string_view skinsFolder, std::string_view listText) {
  const std::string file = SkinMainFile(skinsFolder, listText);
  SkinIdentity identity;
  identity.name = profile::ReadString("TitlebarSkin", "SkinName", listText, file);
  identity.author = profile::ReadString("TitlebarSkin", "SkinAuthor", "Unknown", file);
  identity.notes = profile::ReadString("TitlebarSkin", "SpecialNotes", "", file);
  identity.url = profile::ReadString("TitlebarSkin", "AuthorsURL", "", file);
  identity.frameless = IsFramelessSkin(file);
  if (identity.frameless) identity.notes = kFramelessSkinNotice;
  return identity;
}

bool SkinNameTaken(std::string_view skinsFolder, std::string_view name) {
  return !profile::ReadString("TitlebarSkin", "SkinName", "", SkinMainFile(skinsFolder, name)).empty();
}

std::string DeleteSkinsQuestion(int count) {
  const bool one = count < 2;
  return std::string("Are you sure you want to delete") + (one ? " this " : " these ") + std::to_string(count) +
         (one ? " skin?" : " skins?");
}

std::string DeleteSkinFolder(std::string_view skinsFolder, std::string_view name) {
  // Built by appending: GCC 12 warns falsely (-Wrestrict) on a literal + std::string chain here.
  const auto message = [name](std::string_view before, std::string_view after) {
    std::string text(before);
    text.append(name).append(after);
    return text;
  };
  if (!IsSafeSkinName(name) || name.find("..") != std::string_view::npos) return message("\"", "\" is not a skin name.");
  if (paths::equalsIgnoreCase(name, kDataFolderName)) return "Tessera's own folder cannot be deleted.";
  const std::string folder = paths::join(skinsFolder, name);
  if (!files::isFolder(folder)) return message("There is no skin folder \"", "\".");
  if (!files::removeFolderRecursive(folder)) return message("The folder of \"", "\" could not be deleted completely.");
  return {};
}

std::vector<std::string> DeleteSelectedSkins(std::string_view skinsFolder, const std::vector<std::string>& ticked,
                                             const SkinDatabase* database) {
  std::vector<std::string> deleted;
  if (ticked.empty()) return deleted;
  if (CurrentPrompt().askYesNo(DeleteSkinsQuestion(static_cast<int>(ticked.size())), kDeleteSkinsCaption) !=
      PromptAnswer::Yes) {
    return deleted;
  }
  for (const auto& name : ticked) {
    if (DeleteSkinFolder(skinsFolder, name).empty()) deleted.push_back(name);
  }
  if (database) database->CreateSkinList();
  return deleted;
}

}  // namespace tessera
