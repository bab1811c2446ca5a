#pragma once
// A command group of tessera-cli ("ini", "settings", ...): its name, its help text and its runner.
// Each *_commands.cpp registers its group with a static CommandRegistration.
#include <string>
#include <vector>

namespace tessera::cli {

// Returned by a group's runner for a command it does not know, so that another group registered
// under the same name (several files may add commands to "skin") can take it.
inline constexpr int kNotThisGroup = -1;

struct CommandGroup {
  const char* name;
  const char* help;  // usage lines, one command a line
  int (*run)(const std::vector<std::string>& words);  // words after the group name
  int order = 100;   // position in --help
};

// Every registered group, in --help order.
std::vector<CommandGroup> commandGroups();

struct CommandRegistration {
  explicit CommandRegistration(CommandGroup group);
};

}  // namespace tessera::cli
