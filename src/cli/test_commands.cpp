// tessera-cli skin test: the editor's "Test skin" for a named skin: closes a running tester,
// names the skin in the engine's per-application settings and starts the tester.
#include <stdlib.h>

#include <QDir>
#include <memory>

#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "core/app/test_skin.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/settings.h"
#include "core/skin/skin_path_safety.h"

namespace tessera::cli {

namespace {

struct TestArguments {
  std::string name;
  std::optional<std::string> skins;
};

int runTest(const TestArguments& a) {
  if (!IsSafeSkinName(a.name)) return usage("NAME must be a skin folder name");

  // Another skins folder goes through a private settings store. The tester outlives this run and
  // finds its skins folder through the same store, so the store stays: one per skins folder.
  if (a.skins) {
    const std::string folder = paths::toNative(*a.skins);
    const QString registry = QDir::temp().filePath(
        QString::fromStdString("tessera-cli-" + ProgramServerName("registry", folder)));
    if (!QDir().mkpath(registry)) return fail("cannot create the folder " + registry.toStdString());
    ::setenv("TESSERA_REGISTRY", registry.toLocal8Bit().constData(), 1);
    WriteSetting(settings::InstalledPath, folder);
    ResetSkinsFolderCache();
  }
  if (!files::isFolder(paths::resolve(paths::join(GetSkinsFolder(), a.name)))) {
    return fail("there is no skin \"" + a.name + "\" in " + GetSkinsFolder());
  }
  if (!TestSkinNamed(a.name)) return fail("the skin tester cannot be started from " + DataFolder());
  return kOk;
}

void add(CommandLine& cli) {
  auto a = std::make_shared<TestArguments>();
  CLI::App& test = cli.command(skinGroup(cli), "test",
                               "show a skin in the skin tester (closing a running one)", [a] { return runTest(*a); });
  test.add_option("NAME", a->name, "the skin's folder name")->required();
  addSkinsOption(test, a->skins);
}

}  // namespace

const CommandRegistration testRegistration(28, &add);

}  // namespace tessera::cli
