#include "core/app/shell_animation.h"

#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera {

ShellAnimationChoice ShellAnimationFor(const std::string& entryName) {
  ShellAnimationChoice choice;
  if (entryName.empty()) return choice;
  choice.standardId = static_cast<int>(profile::GetInt(entryName, "ID", 0, DataFile("subsections.ini")));
  if (!Session().isOpen()) return choice;
  const std::string animationFile = ReadSkinString("Animations", "File", "", Session().mainFile);
  // Both values come from the skin: neither may lead out of the skins folder.
  if (animationFile.empty() || !IsSafeRelativePath(animationFile)) return choice;
  const std::string skins = GetSkinsFolder();
  choice.clip = profile::ReadString("Animations.Avis", entryName, "", paths::join(skins, animationFile));
  if (!choice.clip.empty() && IsSafeRelativePath(choice.clip)) choice.fullPath = paths::join(skins, choice.clip);
  return choice;
}

}  // namespace tessera
