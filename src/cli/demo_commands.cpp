// tessera-cli demo DIR: lays out a complete demo environment (registry hives, engine folder with
// the stand-ins, skins folder with the data folder and the demo skins) and prints the
// TESSERA_REGISTRY value to use.
#include <QDir>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/command_group.h"
#include "core/app/demo_environment.h"
#include "core/app/installed_layout.h"

#ifndef TESSERA_GENERATED_SKINS_DIR
#define TESSERA_GENERATED_SKINS_DIR ""
#endif

namespace tessera::cli {

namespace {

constexpr const char* kHelp =
    "  demo DIR [--engine-dir D] [--skins-from D]              lay out the demo environment in DIR and print the\n"
    "                                                         TESSERA_REGISTRY value to use\n";

int run(const std::vector<std::string>& words) {
  const Arguments args(words, {"--engine-dir", "--skins-from"});
  if (!args.valid()) return usage(args.error());
  if (args.positional().size() != 1) return usage("demo takes DIR");
  const std::string root = QDir(QString::fromStdString(args.positional()[0])).absolutePath().toStdString();
  // An installed tessera-cli takes what is installed beside it; one in its build folder, the build's.
  const DemoSources found = PreferredSources({TESSERA_BUILD_ENGINE_DIR, TESSERA_GENERATED_SKINS_DIR});
  const DemoSources sources{args.option("--engine-dir").value_or(found.engineBuild),
                            args.option("--skins-from").value_or(found.generatedSkins)};
  const DemoLayout layout = LayOutDemoEnvironment(root, sources);
  if (!layout.ok) return fail(layout.error);
  std::cout << layout.registryFolder << '\n';
  return kOk;
}

}  // namespace

const CommandRegistration registration({"demo", kHelp, &run, 90});

}  // namespace tessera::cli
