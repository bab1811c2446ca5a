#include "core/pages/image_slot.h"

#include <algorithm>

#include "core/image/reimport_list.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera {

std::string ReadSlotValue(std::string_view section, const SlotKeys& keys) {
  const std::string& file = Session().mainFile;
  std::string value = ReadSkinString(section, keys.key, "", file);
  if (value.empty() && keys.legacyKey != nullptr) value = ReadSkinString(section, keys.legacyKey, "", file);
  return value;
}

bool IsSlotFileName(std::string_view name, bool animationOnly) {
  const std::string ext = paths::upper(paths::extension(name));
  return animationOnly ? ext == "ZOR" : (ext == "TGA" || ext == "BMP" || ext == "ZOR");
}

std::vector<std::string> ListSlotFiles(bool animationOnly) {
  std::vector<std::string> values;
  const std::string folder = OpenSkinFolder();
  if (folder.empty()) return values;
  const std::string prefix = paths::lower(Session().skinName) + "\\";
  for (const std::string& name : files::listFiles(folder)) {
    if (!IsSlotFileName(name, animationOnly)) continue;
    std::string value = prefix + paths::lower(name);
    // Two files that differ only in letter case are one file to the engine.
    if (std::find(values.begin(), values.end(), value) == values.end()) values.push_back(std::move(value));
  }
  std::sort(values.begin(), values.end());
  return values;
}

int FindSlotFile(const std::vector<std::string>& files, std::string_view value) {
  if (value.empty()) return -1;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (paths::equalsIgnoreCase(files[i], value)) return static_cast<int>(i);
  }
  return -1;
}

std::string SlotFilePath(std::string_view slotValue) {
  if (slotValue.empty() || !IsSafeRelativePath(slotValue)) return {};
  return paths::join(GetSkinsFolder(), slotValue);
}

std::string SlotValueForFile(std::string_view fullPath) {
  const std::string folder = OpenSkinFolder();
  if (folder.empty()) return {};
  const std::string name(paths::fileName(fullPath));
  // Only a file directly in the skin folder can be named by a slot.
  if (!IsPlainFileName(name) || !IsInsideFolder(fullPath, folder) ||
      !paths::equalsIgnoreCase(paths::toNative(fullPath), paths::join(folder, name))) {
    return {};
  }
  return paths::lower(Session().skinName + "\\" + name);
}

std::string CommandSourcePath(std::string_view slotValue) {
  if (slotValue.empty()) return OpenSkinFolder();
  const ReimportEntry entry = ReadReimportEntry(slotValue);
  if (entry.tracked && !entry.sourceFile.empty()) return entry.sourceFile;
  const std::string path = SlotFilePath(slotValue);
  return path.empty() ? OpenSkinFolder() : path;
}

bool NamesAlphaCapableFile(std::string_view slotValue) {
  const std::string lower = paths::lower(slotValue);
  return lower.find(".tga") != std::string::npos || lower.find(".zor") != std::string::npos ||
         lower.find(".png") != std::string::npos;
}

}  // namespace tessera
