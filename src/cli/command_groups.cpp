#include <algorithm>

#include "cli/command_group.h"

namespace tessera::cli {

namespace {
std::vector<CommandGroup>& registered() {
  static std::vector<CommandGroup> groups;
  return groups;
}
}  // namespace

CommandRegistration::CommandRegistration(CommandGroup group) { registered().push_back(group); }

std::vector<CommandGroup> commandGroups() {
  std::vector<CommandGroup> groups = registered();
  std::stable_sort(groups.begin(), groups.end(), [](const CommandGroup& a, const CommandGroup& b) { return a.order < b.order; });
  return groups;
}

}  // namespace tessera::cli
