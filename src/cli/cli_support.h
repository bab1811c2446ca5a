#pragma once
// What the tessera-cli commands share: exit statuses, messages, numbers, and the options several
// commands take, spelt alike everywhere.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

namespace tessera::cli {

class CommandLine;

// Exit statuses: 0 success, 1 failure (one line on standard error), 2 wrong usage.
inline constexpr int kOk = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsage = 2;

int fail(const std::string& message);
int usage(const std::string& message);
// Parses a whole decimal number; nullopt when `text` is not one. (CLI11's own conversion would
// read "010" as octal.)
std::optional<long long> parseNumber(const std::string& text);

// The "skin" group, which several files add commands to.
CLI::App& skinGroup(CommandLine& cli);
// --skins DIR: the skins folder to work on instead of the settings store's.
CLI::Option* addSkinsOption(CLI::App& command, std::optional<std::string>& folder);
// -o,--output FILE: where the command writes its result.
CLI::Option* addOutputOption(CLI::App& command, std::optional<std::string>& file, const std::string& description,
                             const std::string& valueName = "FILE");
// A flag such as --json.
CLI::Option* addFlag(CLI::App& command, const std::string& name, bool& value, const std::string& description);

}  // namespace tessera::cli
