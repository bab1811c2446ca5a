// tessera-cli demo DIR: lays out a complete demo environment (registry hives, engine folder with
// the stand-ins, skins folder with the data folder and the demo skins) and prints the
// TESSERA_REGISTRY value to use.
#include <stdlib.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/command_group.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/registry.h"
#include "core/platform/settings.h"

#ifndef TESSERA_GENERATED_SKINS_DIR
#define TESSERA_GENERATED_SKINS_DIR ""
#endif

namespace tessera::cli {

namespace {

constexpr const char* kHelp =
    "  demo DIR [--engine-dir D] [--skins-from D]              lay out the demo environment in DIR and print the\n"
    "                                                         TESSERA_REGISTRY value to use\n";

// Copies every file below `from` into `to`, keeping the folder structure.
bool copyTree(const QString& from, const QString& to) {
  const QDir source(QDir(from).absolutePath());
  if (!source.exists()) return false;
  QDirIterator it(source.path(), QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next();
    const QString target = to + QLatin1Char('/') + source.relativeFilePath(file);
    QDir().mkpath(QFileInfo(target).path());
    if (!files::copyFile(file.toStdString(), target.toStdString(), true)) return false;
  }
  return true;
}

// Copies an engine program, keeping its permissions, when it was built (the GUI programs are
// optional in some builds).
void copyProgramIfBuilt(const std::string& from, const std::string& to) {
  if (!files::isFile(from)) return;
  QFile::remove(QString::fromStdString(to));
  QFile::copy(QString::fromStdString(from), QString::fromStdString(to));
}

int run(const std::vector<std::string>& words) {
  const Arguments args(words, {"--engine-dir", "--skins-from"});
  if (!args.valid()) return usage(args.error());
  if (args.positional().size() != 1) return usage("demo takes DIR");
  const std::string root = QDir(QString::fromStdString(args.positional()[0])).absolutePath().toStdString();
  const std::string engineBuild = args.option("--engine-dir").value_or(TESSERA_BUILD_ENGINE_DIR);
  // The generated skins folder: the data folder with every picture drawn, and the demo skins.
  const std::string generated = args.option("--skins-from").value_or(TESSERA_GENERATED_SKINS_DIR);

  const std::string registryFolder = paths::join(root, "registry");
  const std::string engineFolder = paths::join(root, "engine");
  const std::string skinsFolder = paths::join(root, "skins");
  const std::string dataFolder = paths::join(skinsFolder, "Tessera7");
  if (generated.empty() || !files::isFile(paths::join(generated, "Tessera7/subsections.ini"))) {
    return fail("the generated data folder is missing in \"" + generated + "\": build the tessera_data target first");
  }
  for (const auto& folder : {registryFolder, engineFolder, skinsFolder}) {
    if (!files::createFolders(folder)) return fail("cannot create " + folder);
  }

  ::setenv("TESSERA_REGISTRY", registryFolder.c_str(), 1);
  registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path", engineFolder);
  WriteSetting(settings::InstalledPath, skinsFolder);

  // A fresh data folder, so that pictures the generator no longer draws do not linger; the demo
  // skins are replaced as a whole too (edits made to them in an earlier run are dropped).
  files::removeFolderRecursive(dataFolder);
  for (const std::string& skin : files::listFolders(generated)) {
    files::removeFolderRecursive(paths::join(skinsFolder, skin));
  }
  if (!copyTree(QString::fromStdString(generated), QString::fromStdString(skinsFolder))) {
    return fail("cannot copy the generated skins folder from " + generated);
  }
  for (const char* module : {"divu", "vlrend"}) {
    if (!files::copyFile(ModulePath(engineBuild, module), ModulePath(engineFolder, module), true)) {
      return fail(std::string("cannot copy the engine module ") + module + " from " + engineBuild);
    }
  }
  if (!files::copyFile(ModulePath(engineBuild, "vuzudiv"), ModulePath(dataFolder, "vuzudiv"), true)) {
    return fail("cannot copy the preview library from " + engineBuild);
  }
  copyProgramIfBuilt(paths::join(engineBuild, "vlload"), paths::join(engineFolder, "vlload"));
  copyProgramIfBuilt(paths::join(engineBuild, "UITest"), paths::join(dataFolder, "UITest"));
  std::cout << registryFolder << '\n';
  return kOk;
}

}  // namespace

const CommandRegistration registration({"demo", kHelp, &run, 90});

}  // namespace tessera::cli
