// tessera-cli settings ...: the settings store.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/command_group.h"
#include "core/platform/settings.h"

namespace tessera::cli {

namespace {

constexpr const char* kHelp =
    "  settings get FILE SECTION KEY [--default TEXT]         print a setting (FILE is a settings file such as Tessera.ini)\n"
    "  settings set FILE SECTION KEY VALUE                    store a setting (a value starting with '-' deletes it)\n";

int run(const std::vector<std::string>& words) {
  const Arguments args(words, {"--default"});
  if (!args.valid()) return usage(args.error());
  const auto& p = args.positional();
  if (p.empty()) return usage("settings needs a command");
  if (p[0] == "get") {
    if (p.size() != 4) return usage("settings get takes FILE SECTION KEY");
    std::cout << ReadSetting(p[2], p[3], args.option("--default").value_or(""), p[1]) << '\n';
    return kOk;
  }
  if (p[0] == "set") {
    if (p.size() != 5) return usage("settings set takes FILE SECTION KEY VALUE");
    WriteSetting(p[2], p[3], p[4], p[1]);
    return kOk;
  }
  return usage("unknown settings command '" + p[0] + "'");
}

}  // namespace

const CommandRegistration registration({"settings", kHelp, &run, 20});

}  // namespace tessera::cli
