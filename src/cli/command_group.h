#pragma once
// A command group of tessera-cli ("ini", "settings", ...): its name, its help text and its runner.
// Each *_commands.cpp registers its group with a static CommandRegistration.
#include <string>
#include <vector>

namespace tessera::cli {

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
