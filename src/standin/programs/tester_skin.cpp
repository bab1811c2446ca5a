#include "standin/programs/tester_skin.h"

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_path_safety.h"

namespace tessera::standin {

namespace {

// While the editor has the skin open its "~" working copy holds the edits not saved yet, and
// its File values name the working companions: testing shows the skin as it is being edited.
std::string preferWorkingCopy(const std::string& path) {
  const std::string working = path + "~";
  return files::isFile(working) ? working : path;
}

}  // namespace

std::string TesterSkinPath(const std::string& skinsFolder) {
  const std::string settingsFile = paths::join(skinsFolder, "vlperapp.ini");
  std::string value = profile::ReadString("UITEST.EXE", "Skin", "", settingsFile);
  std::string subStyle;
  if (const auto slash = value.find_first_of("\\/"); slash != std::string::npos) {
    subStyle = value.substr(slash + 1);
    value.resize(slash);
  }
  if (!IsSafeSkinName(value)) return {};
  const std::string folder = paths::resolve(paths::join(skinsFolder, value));
  if (!subStyle.empty()) {
    const std::string ssd = paths::resolve(paths::join(folder, value + ".SSD"));
    const std::string file =
        profile::ReadString("SkinStyle" + std::to_string(ParseLeadingInt(subStyle)), "Skin", "", ssd);
    if (!file.empty() && IsSafeSkinName(file)) {
      const std::string path = paths::resolve(paths::join(folder, file));
      if (files::isFile(path)) return preferWorkingCopy(path);
    }
  }
  return preferWorkingCopy(paths::resolve(paths::join(folder, value + ".uis")));
}

}  // namespace tessera::standin
