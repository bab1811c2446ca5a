#pragma once
// The re-import list "reimport.lst" of the open skin: one section per tracked slot value with
// ReimportWhenNeeded, SourceFile, Name, ext and the source's last-write time in LastEdit1 (high
// 32 bits) and LastEdit2 (low 32 bits). Also the path rules for values read from a skin.
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/files.h"

namespace tessera {

// <skins folder>/<skin name> of the open skin; empty when no skin is open or its name could
// lead out of the skins folder.
std::string OpenSkinFolder();
inline constexpr const char* kReimportListName = "reimport.lst";

// <skin folder>/reimport.lst; empty when there is no usable skin folder.
std::string ReimportListPath();

// A file name without folders: not empty, no separator, drive or "..".
bool IsPlainFileName(std::string_view name);
// True when `path` (either separator) lies inside `folder` without ".." components.
bool IsInsideFolder(std::string_view path, std::string_view folder);

// The LastEdit1 / LastEdit2 pair of a section equals `time`.
bool StoredTimeEquals(std::string_view section, const files::FileTime& time, const std::string& file);
void WriteStoredTime(std::string_view section, const files::FileTime& time, const std::string& file);

struct ReimportEntry {
  bool tracked = false;  // ReimportWhenNeeded = 1
  std::string sourceFile;
  std::string name;
  std::string ext;
};
ReimportEntry ReadReimportEntry(std::string_view slotValue);

}  // namespace tessera
