#include "core/platform/registry.h"

#include <cstdlib>

#include "core/platform/files.h"
#include "core/platform/ini_document.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"

namespace tessera::registry {

namespace {

// A registry string may hold surrounding blanks or quotes that an INI read would strip; such a
// value is stored inside one extra pair of quotes, which the read removes again.
std::string encode(std::string_view value) {
  const bool blankEdge = !value.empty() && (value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                                            value.back() == '\t');
  const bool quoted =
      value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  std::string stored(singleLine(value));
  if (blankEdge || quoted) stored = "\"" + stored + "\"";
  return stored;
}

}  // namespace

std::string folder() {
  if (const char* explicitFolder = std::getenv("TESSERA_REGISTRY"); explicitFolder && *explicitFolder) {
    return explicitFolder;
  }
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) return paths::join(config, "Quillmont");
  const char* home = std::getenv("HOME");
  return paths::join(paths::join(home ? home : "", ".config"), "Quillmont");
}

std::string hiveFile(Hive hive) {
  return paths::join(folder(), hive == Hive::CurrentUser ? "HKEY_CURRENT_USER.ini" : "HKEY_LOCAL_MACHINE.ini");
}

std::optional<std::string> readValue(Hive hive, std::string_view keyPath, std::string_view name) {
  return profile::FindValue(keyPath, name, hiveFile(hive));
}

bool writeValue(Hive hive, std::string_view keyPath, std::string_view name, std::string_view value) {
  files::createFolders(folder());
  return profile::WriteString(keyPath, name, encode(value), hiveFile(hive));
}

bool deleteValue(Hive hive, std::string_view keyPath, std::string_view name) {
  return profile::WriteString(keyPath, name, std::nullopt, hiveFile(hive));
}

}  // namespace tessera::registry
