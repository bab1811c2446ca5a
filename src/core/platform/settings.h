#pragma once
// The settings store: preferences, placements, the skin history and the engine's own settings,
// kept in the per-user registry under SOFTWARE\Quillmont\Velarium\<file>\<section>, value <key>.
#include <string>
#include <string_view>

namespace tessera {

// A buffer size meaning "no buffer": the whole value is read.
inline constexpr std::size_t kWholeSetting = static_cast<std::size_t>(-1);

// One setting with its default; the table of every setting the program uses is in `settings`.
struct SettingKey {
  const char* file;
  const char* section;
  const char* key;
  const char* defaultValue;
};

// Reads the whole value; a missing or empty value gives `def`. Given a `size`, reads as into a
// `size`-byte buffer: a value too long for it gives `def` too, as the registry refuses it.
// Never fails.
std::string ReadSetting(std::string_view section, std::string_view key, std::string_view def, std::string_view file,
                        std::size_t size = kWholeSetting);
// Leading-decimal parse of the setting read with `def` as its default (text without digits gives 0).
int ReadSettingInt(std::string_view section, std::string_view key, int def, std::string_view file);
// Stores the whole value; a value whose first character is '-' deletes the setting instead.
void WriteSetting(std::string_view section, std::string_view key, std::string_view value, std::string_view file);

std::string ReadSetting(const SettingKey& setting);
int ReadSettingInt(const SettingKey& setting);
void WriteSetting(const SettingKey& setting, std::string_view value);
void WriteSetting(const SettingKey& setting, int value);

// Puts a skin at the top of the history unless its name is already in it (at any position).
void AddToSkinHistory(std::string_view skinPath, std::string_view skinName);

// Registry key path of a settings file and section.
std::string SettingsKeyPath(std::string_view file, std::string_view section);

// Leading-decimal parse: optional blanks and sign, then digits; no digits gives 0.
int ParseLeadingInt(std::string_view text);

namespace settings {
// clang-format off
inline constexpr SettingKey UIMode        {"Tessera.ini", "Tessera", "UIMode", "0"};
inline constexpr SettingKey UIMode2       {"Tessera.ini", "Tessera", "UIMode2", "1"};
inline constexpr SettingKey UseTree       {"Tessera.ini", "Tessera", "UseTree", "0"};
inline constexpr SettingKey AutoSave      {"Tessera.ini", "Tessera", "AutoSave", "0"};
inline constexpr SettingKey SingleClickUI {"Tessera.ini", "Tessera", "SingleClickUI", "1"};
inline constexpr SettingKey ShowImport    {"Tessera.ini", "Tessera", "ShowImport", "0"};
inline constexpr SettingKey NoConvert     {"Tessera.ini", "Tessera", "NOCONVERT", "0"};
inline constexpr SettingKey EditVerb      {"Tessera.ini", "Tessera", "EditVerb", "Edit"};
inline constexpr SettingKey EditApp       {"Tessera.ini", "Tessera", "EditApp", ""};
inline constexpr SettingKey TargetOS      {"Tessera.ini", "Tessera", "TargetOS", "0"};
inline constexpr SettingKey UIHue         {"Tessera.ini", "Tessera", "UIHUE", "0"};
inline constexpr SettingKey UISat         {"Tessera.ini", "Tessera", "UISAT", "0"};
inline constexpr SettingKey UISkin        {"Tessera.ini", "Tessera", "UISKIN", "0"};
inline constexpr SettingKey UseGrid       {"Tessera.ini", "Tessera", "UseGrid", "0"};
inline constexpr SettingKey UseColour     {"Tessera.ini", "Tessera", "UseColour", "0"};
inline constexpr SettingKey BackIndex     {"Tessera.ini", "Tessera", "BackIndex", "0"};
inline constexpr SettingKey WasMaxEdit    {"Tessera.ini", "Tessera", "WasMaxEdit", "0"};
inline constexpr SettingKey FirstRun      {"Tessera.ini", "Tessera", "FirstRun6.3", "1"};
// The editor's own colours: 0 follows the desktop, 1 light, 2 dark.
inline constexpr SettingKey Appearance    {"Tessera.ini", "Tessera", "Appearance", "0"};

inline constexpr SettingKey MainX         {"TSR.ini", "Tessera", "MainX", "100"};
inline constexpr SettingKey MainY         {"TSR.ini", "Tessera", "MainY", "100"};
inline constexpr SettingKey MainWidth     {"TSR.ini", "Tessera", "MainWidth", "700"};
inline constexpr SettingKey MainHeight    {"TSR.ini", "Tessera", "MainHeight", "500"};
inline constexpr SettingKey MainZoom      {"TSR.ini", "Tessera", "MainZoom", "1"};
inline constexpr SettingKey SectionX      {"TSR.ini", "Tessera", "SectionX", "100"};
inline constexpr SettingKey SectionY      {"TSR.ini", "Tessera", "SectionY", "100"};
inline constexpr SettingKey SectionWidth  {"TSR.ini", "Tessera", "SectionWidth", "600"};
inline constexpr SettingKey SectionHeight {"TSR.ini", "Tessera", "SectionHeight", "400"};
inline constexpr SettingKey SectionZoom   {"TSR.ini", "Tessera", "SectionZoom", "0"};
inline constexpr SettingKey ZoomX         {"TSR.ini", "Tessera", "ZoomX", "100"};
inline constexpr SettingKey ZoomY         {"TSR.ini", "Tessera", "ZoomY", "100"};
inline constexpr SettingKey ZoomWidth     {"TSR.ini", "Tessera", "ZoomWidth", "200"};
inline constexpr SettingKey ZoomHeight    {"TSR.ini", "Tessera", "ZoomHeight", "150"};
inline constexpr SettingKey ZoomV         {"TSR.ini", "Tessera", "ZoomV", "0"};
inline constexpr SettingKey Brightness    {"TSR.ini", "TSR", "Brightness", "255"};

inline constexpr SettingKey InstalledPath {"VL5.ini", "Installed", "Path", ""};
inline constexpr SettingKey SkinSet       {"VL5.ini", "VLLiteFX", "SkinSet", ""};
inline constexpr SettingKey SkinSet2      {"VL5.ini", "VLLiteFX", "SkinSet2", ""};
inline constexpr SettingKey BlackUI       {"VL5.ini", "VLLiteFX", "BlackUI", "0"};
// clang-format on

inline constexpr const char* kHistoryFile = "TSR6.ini";
inline constexpr const char* kHistorySection = "SkinHistory";
inline constexpr int kHistoryLength = 5;
}  // namespace settings

}  // namespace tessera
