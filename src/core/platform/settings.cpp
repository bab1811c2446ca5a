#include "core/platform/settings.h"

#include <array>
#include <string>

#include "core/platform/registry.h"

namespace tessera {

namespace {
constexpr std::string_view kSettingsRoot = "SOFTWARE\\Quillmont\\Velarium";
}

std::string SettingsKeyPath(std::string_view file, std::string_view section) {
  std::string path(kSettingsRoot);
  path += '\\';
  path += file;
  path += '\\';
  path += section;
  return path;
}

std::string ReadSetting(std::string_view section, std::string_view key, std::string_view def, std::string_view file,
                        std::size_t size) {
  const auto value = registry::readValue(registry::Hive::CurrentUser, SettingsKeyPath(file, section), key);
  if (size == kWholeSetting) return value && !value->empty() ? *value : std::string(def);
  // The registry refuses a value that does not fit the reader's buffer with its terminator and
  // the terminator the read adds; such a value, like a missing or empty one, gives the default.
  if (!value || value->empty() || value->size() + 2 > size) {
    return std::string(def.substr(0, size > 0 ? size - 1 : 0));
  }
  return *value;
}

int ParseLeadingInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  unsigned int value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') value = value * 10u + static_cast<unsigned>(text[i++] - '0');
  return static_cast<int>(negative ? 0u - value : value);
}

int ReadSettingInt(std::string_view section, std::string_view key, int def, std::string_view file) {
  return ParseLeadingInt(ReadSetting(section, key, std::to_string(def), file, 255));
}

void WriteSetting(std::string_view section, std::string_view key, std::string_view value, std::string_view file) {
  const std::string keyPath = SettingsKeyPath(file, section);
  if (!value.empty() && value.front() == '-') {
    registry::deleteValue(registry::Hive::CurrentUser, keyPath, key);
    return;
  }
  registry::writeValue(registry::Hive::CurrentUser, keyPath, key, value);
}

std::string ReadSetting(const SettingKey& s) { return ReadSetting(s.section, s.key, s.defaultValue, s.file); }

int ReadSettingInt(const SettingKey& s) { return ReadSettingInt(s.section, s.key, ParseLeadingInt(s.defaultValue), s.file); }

void WriteSetting(const SettingKey& s, std::string_view value) { WriteSetting(s.section, s.key, value, s.file); }

void WriteSetting(const SettingKey& s, int value) { WriteSetting(s, std::to_string(value)); }

void AddToSkinHistory(std::string_view skinPath, std::string_view skinName) {
  using namespace settings;
  std::array<std::string, kHistoryLength> names, skins;
  for (int n = 0; n < kHistoryLength; ++n) {
    names[n] = ReadSetting(kHistorySection, "Name" + std::to_string(n + 1), "", kHistoryFile);
    skins[n] = ReadSetting(kHistorySection, "Skin" + std::to_string(n + 1), "", kHistoryFile);
  }
  for (const auto& name : names) {
    if (name == skinName) return;
  }
  for (int n = kHistoryLength; n >= 2; --n) {
    WriteSetting(kHistorySection, "Name" + std::to_string(n), names[n - 2], kHistoryFile);
    WriteSetting(kHistorySection, "Skin" + std::to_string(n), skins[n - 2], kHistoryFile);
  }
  WriteSetting(kHistorySection, "Name1", skinName, kHistoryFile);
  WriteSetting(kHistorySection, "Skin1", skinPath, kHistoryFile);
}

}  // namespace tessera
