#pragma once
// A command group of tessera-cli ("ini", "settings", ...): its name, its help text and its runner.
#include <string>
#include <vector>

namespace tessera::cli {

struct CommandGroup {
  const char* name;
  const char* help;  // usage lines, one command a line
  int (*run)(const std::vector<std::string>& words);  // words after the group name
};

// Every group, in the order --help lists them.
const std::vector<CommandGroup>& commandGroups();

CommandGroup iniCommands();
CommandGroup settingsCommands();
CommandGroup demoCommands();

}  // namespace tessera::cli
