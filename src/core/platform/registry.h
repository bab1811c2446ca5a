#pragma once
// The emulated registry: the per-user and machine-wide hives are INI files handled by the profile
// engine. A section is a full key path, an entry is a string value; names are case-insensitive.
#include <optional>
#include <string>
#include <string_view>

namespace tessera::registry {

enum class Hive { CurrentUser, LocalMachine };

// $TESSERA_REGISTRY when set, else $XDG_CONFIG_HOME/Quillmont (~/.config/Quillmont).
std::string folder();
std::string hiveFile(Hive hive);

// The stored string, or nullopt when the value does not exist.
std::optional<std::string> readValue(Hive hive, std::string_view keyPath, std::string_view name);
bool writeValue(Hive hive, std::string_view keyPath, std::string_view name, std::string_view value);
bool deleteValue(Hive hive, std::string_view keyPath, std::string_view name);

}  // namespace tessera::registry
