// tessera-cli demo DIR: lays out a complete demo environment (registry hives, engine folder with
// the stand-ins, skins folder with the data folder and the demo skins) and prints the
// TESSERA_REGISTRY value to use.
#include <QDir>
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "core/app/demo_environment.h"
#include "core/app/installed_layout.h"

#ifndef TESSERA_GENERATED_SKINS_DIR
#define TESSERA_GENERATED_SKINS_DIR ""
#endif

namespace tessera::cli {

namespace {

struct DemoArguments {
  std::string dir;
  std::optional<std::string> engineDir, skinsFrom;
};

int run(const DemoArguments& a) {
  const std::string root = QDir(QString::fromStdString(a.dir)).absolutePath().toStdString();
  // An installed tessera-cli takes what is installed beside it; one in its build folder, the build's.
  const DemoSources found = PreferredSources({TESSERA_BUILD_ENGINE_DIR, TESSERA_GENERATED_SKINS_DIR});
  const DemoSources sources{a.engineDir.value_or(found.engineBuild), a.skinsFrom.value_or(found.generatedSkins)};
  const DemoLayout layout = LayOutDemoEnvironment(root, sources);
  if (!layout.ok) return fail(layout.error);
  std::cout << layout.registryFolder << '\n';
  return kOk;
}

void add(CommandLine& cli) {
  auto a = std::make_shared<DemoArguments>();
  CLI::App& demo = cli.command(cli.root(), "demo",
                               "lay out the demo environment in DIR and print the TESSERA_REGISTRY value to use",
                               [a] { return run(*a); });
  demo.add_option("DIR", a->dir, "the folder to lay it out in")->required();
  demo.add_option("--engine-dir", a->engineDir, "take the engine stand-ins from D")->type_name("D");
  demo.add_option("--skins-from", a->skinsFrom, "take the demo skins from D")->type_name("D");
}

}  // namespace

const CommandRegistration registration(90, &add);

}  // namespace tessera::cli
