// tessera-cli demo DIR: lays out a complete demo environment (registry hives, engine folder,
// skins folder with the data folder) and prints the TESSERA_REGISTRY value to use.
#include <stdlib.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/command_group.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/registry.h"
#include "core/platform/settings.h"

namespace tessera::cli {

namespace {

constexpr const char* kHelp =
    "  demo DIR [--engine-dir D] [--data-dir D]               lay out the demo environment in DIR and print the\n"
    "                                                         TESSERA_REGISTRY value to use\n";

// Copies every file below `from` into `to`, keeping the folder structure.
bool copyTree(const QString& from, const QString& to) {
  QDir source(from);
  if (!source.exists()) return false;
  QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next();
    const QString target = to + QLatin1Char('/') + source.relativeFilePath(file);
    QDir().mkpath(QFileInfo(target).path());
    if (!files::copyFile(file.toStdString(), target.toStdString(), true)) return false;
  }
  return true;
}

int run(const std::vector<std::string>& words) {
  const Arguments args(words, {"--engine-dir", "--data-dir"});
  if (!args.valid()) return usage(args.error());
  if (args.positional().size() != 1) return usage("demo takes DIR");
  const std::string root = QDir(QString::fromStdString(args.positional()[0])).absolutePath().toStdString();
  const std::string engineBuild = args.option("--engine-dir").value_or(TESSERA_BUILD_ENGINE_DIR);
  const std::string dataSource = args.option("--data-dir").value_or(TESSERA_SOURCE_DATA_DIR);

  const std::string registryFolder = paths::join(root, "registry");
  const std::string engineFolder = paths::join(root, "engine");
  const std::string skinsFolder = paths::join(root, "skins");
  const std::string dataFolder = paths::join(skinsFolder, "Tessera7");
  for (const auto& folder : {registryFolder, engineFolder, dataFolder}) {
    if (!files::createFolders(folder)) return fail("cannot create " + folder);
  }

  ::setenv("TESSERA_REGISTRY", registryFolder.c_str(), 1);
  registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path", engineFolder);
  WriteSetting(settings::InstalledPath, skinsFolder);

  if (!copyTree(QString::fromStdString(dataSource), QString::fromStdString(dataFolder))) {
    return fail("cannot copy the data folder from " + dataSource);
  }
  for (const char* module : {"divu", "vlrend"}) {
    if (!files::copyFile(ModulePath(engineBuild, module), ModulePath(engineFolder, module), true)) {
      return fail(std::string("cannot copy the engine module ") + module + " from " + engineBuild);
    }
  }
  if (!files::copyFile(ModulePath(engineBuild, "vuzudiv"), ModulePath(dataFolder, "vuzudiv"), true)) {
    return fail("cannot copy the preview library from " + engineBuild);
  }
  std::cout << registryFolder << '\n';
  return kOk;
}

}  // namespace

const CommandRegistration registration({"demo", kHelp, &run, 90});

}  // namespace tessera::cli
