#include "core/image/shell_animation.h"

#include <algorithm>

#include "core/image/reimport_list.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {
constexpr const char* kAvis = "Animations.Avis";

// A value relative to the skins folder as a full path, or empty when it would leave the folder.
std::string inSkinsFolder(const std::string& value) {
  if (value.empty()) return {};
  const std::string skins = GetSkinsFolder();
  const std::string path = paths::join(skins, value);
  return IsInsideFolder(path, skins) ? paths::resolve(path) : std::string();
}
}  // namespace

ShellAnimationChoice ReadShellAnimation(std::string_view name) {
  ShellAnimationChoice choice;
  choice.name = std::string(name);
  const CatalogueFile catalogue(catalogue_files::kSubsections);
  choice.caption = catalogue.readText(name, subsection_keys::Description);
  if (choice.caption.empty()) choice.caption = choice.name;
  choice.systemClip = catalogue.readInt(name, subsection_keys::AnimationID);

  std::vector<std::string> videos;
  const std::string skinFolder = OpenSkinFolder();
  if (!skinFolder.empty()) {
    const std::string skin = std::string(paths::fileName(skinFolder));
    for (const std::string& file : files::listFilesWithExtension(skinFolder, "AVI"))
      videos.push_back(paths::lower(skin + "\\" + file));
    std::sort(videos.begin(), videos.end());
  }
  choice.entries.push_back(kSystemAnimationEntry);
  choice.entries.insert(choice.entries.end(), videos.begin(), videos.end());

  if (Session().mainFile.empty()) return choice;
  choice.animationFileValue = ReadSkinString("Animations", "File", "", Session().mainFile);
  choice.animationFile = inSkinsFolder(choice.animationFileValue);
  if (choice.animationFile.empty()) return choice;
  const std::string stored = profile::ReadString(kAvis, name, "", choice.animationFile);
  if (stored.empty()) return choice;
  const std::string wanted = paths::lower(stored);
  const auto found = std::find(choice.entries.begin() + 1, choice.entries.end(), wanted);
  if (found != choice.entries.end()) {
    choice.selected = static_cast<int>(found - choice.entries.begin());
  } else {
    // A choice the list does not offer (another kind of file, a sub-folder, a missing file) is
    // shown as it stands, so that OK keeps it instead of deleting it.
    choice.entries.push_back(stored);
    choice.selected = static_cast<int>(choice.entries.size()) - 1;
  }
  return choice;
}

std::string ShellAnimationVideo(const ShellAnimationChoice& choice, int entry) {
  if (entry <= 0 || entry >= static_cast<int>(choice.entries.size())) return {};
  return inSkinsFolder(choice.entries[static_cast<std::size_t>(entry)]);
}

bool StoreShellAnimation(const ShellAnimationChoice& choice, int entry) {
  if (choice.animationFile.empty()) return false;
  if (entry <= 0 || entry >= static_cast<int>(choice.entries.size()))
    return profile::WriteString(kAvis, choice.name, std::nullopt, choice.animationFile);
  return profile::WriteString(kAvis, choice.name, choice.entries[static_cast<std::size_t>(entry)],
                              choice.animationFile);
}

}  // namespace tessera
