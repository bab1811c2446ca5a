#include "cli/command_group.h"

namespace tessera::cli {

const std::vector<CommandGroup>& commandGroups() {
  static const std::vector<CommandGroup> groups = {
      iniCommands(),
      settingsCommands(),
      demoCommands(),
  };
  return groups;
}

}  // namespace tessera::cli
