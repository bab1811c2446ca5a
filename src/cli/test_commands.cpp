// tessera-cli skin test: the editor's "Test skin" for a named skin: closes a running tester,
// names the skin in the engine's per-application settings and starts the tester.
#include <stdlib.h>

#include <QDir>

#include "cli/cli_args.h"
#include "cli/command_group.h"
#include "core/app/test_skin.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/settings.h"
#include "core/skin/skin_path_safety.h"

namespace tessera::cli {

namespace {

constexpr const char* kTestHelp =
    "  skin test NAME [--skins DIR]                           show a skin in the skin tester (closing a running one)\n";

int runTest(const std::vector<std::string>& words) {
  if (words.empty() || words.front() != "test") return kNotThisGroup;
  const Arguments args(words, {"--skins"});
  if (!args.valid()) return usage(args.error());
  const auto& p = args.positional();
  if (p.size() != 2) return usage("skin test takes NAME");
  if (!IsSafeSkinName(p[1])) return usage("NAME must be a skin folder name");

  // Another skins folder goes through a private settings store. The tester outlives this run and
  // finds its skins folder through the same store, so the store stays: one per skins folder.
  if (const auto skins = args.option("--skins")) {
    const std::string folder = paths::toNative(*skins);
    const QString registry = QDir::temp().filePath(
        QString::fromStdString("tessera-cli-" + ProgramServerName("registry", folder)));
    if (!QDir().mkpath(registry)) return fail("cannot create the folder " + registry.toStdString());
    ::setenv("TESSERA_REGISTRY", registry.toLocal8Bit().constData(), 1);
    WriteSetting(settings::InstalledPath, folder);
    ResetSkinsFolderCache();
  }
  if (!files::isFolder(paths::resolve(paths::join(GetSkinsFolder(), p[1])))) {
    return fail("there is no skin \"" + p[1] + "\" in " + GetSkinsFolder());
  }
  if (!TestSkinNamed(p[1])) return fail("the skin tester cannot be started from " + DataFolder());
  return kOk;
}

}  // namespace

// Ahead of the other "skin" commands, which do not pass on what they do not know.
const CommandRegistration testRegistration({"skin", kTestHelp, &runTest, 28});

}  // namespace tessera::cli
