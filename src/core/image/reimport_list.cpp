#include "core/image/reimport_list.h"

#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera {

std::string OpenSkinFolder() {
  const std::string& name = Session().skinName;
  if (!IsSafeSkinName(name)) return {};
  return paths::join(GetSkinsFolder(), name);
}

std::string ReimportListPath() {
  const std::string folder = OpenSkinFolder();
  return folder.empty() ? std::string() : paths::join(folder, kReimportListName);
}

bool IsPlainFileName(std::string_view name) {
  return IsSafeSkinName(name) && IsSafeRelativePath(name);
}

bool IsInsideFolder(std::string_view path, std::string_view folder) {
  const std::string native = paths::toNative(path);
  std::string base = paths::toNative(folder);
  while (!base.empty() && base.back() == '/') base.pop_back();
  base += '/';
  if (native.size() <= base.size() || !paths::equalsIgnoreCase(std::string_view(native).substr(0, base.size()), base)) {
    return false;
  }
  return IsSafeRelativePath(std::string_view(native).substr(base.size()));
}

bool StoredTimeEquals(std::string_view section, const files::FileTime& time, const std::string& file) {
  return profile::GetInt(section, "LastEdit1", 0, file) == time.high &&
         profile::GetInt(section, "LastEdit2", 0, file) == time.low;
}

void WriteStoredTime(std::string_view section, const files::FileTime& time, const std::string& file) {
  profile::WriteString(section, "LastEdit1", std::to_string(time.high), file);
  profile::WriteString(section, "LastEdit2", std::to_string(time.low), file);
}

ReimportEntry ReadReimportEntry(std::string_view slotValue) {
  ReimportEntry entry;
  const std::string list = ReimportListPath();
  if (list.empty()) return entry;
  entry.tracked = profile::GetInt(slotValue, "ReimportWhenNeeded", 0, list) == 1;
  entry.sourceFile = profile::ReadString(slotValue, "SourceFile", "", list, 256);
  entry.name = profile::ReadString(slotValue, "Name", "", list);
  entry.ext = profile::ReadString(slotValue, "ext", "", list);
  return entry;
}

}  // namespace tessera
