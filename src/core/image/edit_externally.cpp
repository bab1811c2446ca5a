#include "core/image/edit_externally.h"

#include "core/image/image_file.h"
#include "core/image/reimport_list.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/launcher_failure.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_path_safety.h"

namespace tessera {

namespace {

// The shell takes the path itself; quoting for a command line is the shell's business.
// The custom program is only used while the preferences select it: a path left in EditApp from
// an earlier choice does not override "Open" or "Edit".
bool openInEditor(const std::string& file) {
  const std::string verb = ReadSetting(settings::EditVerb);
  const std::string app = ReadSetting(settings::EditApp);
  if (paths::equalsIgnoreCase(verb, "Custom") && !app.empty()) return EditOrExplain(file, app);
  if (paths::equalsIgnoreCase(verb, "open")) return OpenOrExplain(file);
  return EditOrExplain(file, "");
}

}  // namespace

bool EditImageExternally(std::string_view slotValue) {
  const ReimportEntry entry = ReadReimportEntry(slotValue);
  if (entry.tracked && !entry.sourceFile.empty() && files::isFile(entry.sourceFile)) {
    return openInEditor(paths::toNative(entry.sourceFile));
  }

  // The slot value comes from the skin: it may not lead out of the skins folder.
  if (slotValue.empty() || !IsSafeRelativePath(slotValue)) return false;
  const std::string picture = paths::join(GetSkinsFolder(), slotValue);
  const char last = slotValue.back();
  if (ReadSettingInt(settings::NoConvert) != 0 || (last != 'a' && last != 'A')) return openInEditor(picture);

  const std::string skinFolder = OpenSkinFolder();
  const std::string list = ReimportListPath();
  if (skinFolder.empty()) return false;
  const std::string tempFolder = paths::join(skinFolder, kTempPngsFolderName);
  files::createFolder(tempFolder);
  const std::string temporary = paths::join(tempFolder, std::string(paths::fileName(slotValue)) + ".PNG");
  const auto image = LoadImageFile(picture);
  if (!image || SaveImagePng(*image, temporary) != 0) return false;

  profile::WriteString(slotValue, "ReimportWhenNeeded", "1", list);
  profile::WriteString(slotValue, "SourceFile", temporary, list);
  profile::WriteString(slotValue, "ext", "PNG", list);
  profile::WriteString(slotValue, "Name", paths::stem(slotValue), list);
  if (const auto time = files::lastWriteTime(temporary)) WriteStoredTime(slotValue, *time, list);
  return openInEditor(temporary);
}

}  // namespace tessera
