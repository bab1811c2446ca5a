#include "cli/cli_support.h"

#include <charconv>
#include <iostream>

#include "cli/command_line.h"

namespace tessera::cli {

int fail(const std::string& message) {
  std::cerr << "tessera-cli: " << message << '\n';
  return kFailure;
}

int usage(const std::string& message) {
  std::cerr << "tessera-cli: " << message << " (see tessera-cli --help)\n";
  return kUsage;
}

std::optional<long long> parseNumber(const std::string& text) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

CLI::App& skinGroup(CommandLine& cli) {
  return cli.group("skin", "list, create, copy, check, clean, pack, delete, test and render skins, and edit their sub-styles");
}

CLI::Option* addSkinsOption(CLI::App& command, std::optional<std::string>& folder) {
  return command.add_option("--skins", folder, "the skins folder (default: the settings store's)")->type_name("DIR");
}

CLI::Option* addOutputOption(CLI::App& command, std::optional<std::string>& file, const std::string& description,
                             const std::string& valueName) {
  return command.add_option("-o,--output", file, description)->type_name(valueName);
}

CLI::Option* addFlag(CLI::App& command, const std::string& name, bool& value, const std::string& description) {
  return command.add_flag(name, value, description);
}

}  // namespace tessera::cli
