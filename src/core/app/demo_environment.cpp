#include "core/app/demo_environment.h"

#include <stdlib.h>

#include <QFile>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/registry.h"
#include "core/platform/settings.h"

namespace tessera {

namespace {

// Copies an engine program, keeping its permissions, when it was built (the GUI programs are
// optional in some builds).
void copyProgramIfBuilt(const std::string& from, const std::string& to) {
  if (!files::isFile(from)) return;
  QFile::remove(QString::fromStdString(to));
  QFile::copy(QString::fromStdString(from), QString::fromStdString(to));
}

DemoLayout failed(std::string error) {
  DemoLayout layout;
  layout.error = std::move(error);
  return layout;
}

}  // namespace

DemoLayout LayOutEnvironment(const std::string& root, const DemoSources& sources) {
  DemoLayout layout;
  layout.registryFolder = registry::folder();
  layout.engineFolder = paths::join(root, "engine");
  layout.skinsFolder = paths::join(root, "skins");
  const std::string dataFolder = paths::join(layout.skinsFolder, "Tessera7");
  const std::string& generated = sources.generatedSkins;
  if (generated.empty() || !files::isFile(paths::join(generated, "Tessera7/subsections.ini"))) {
    return failed("the generated data folder is missing in \"" + generated + "\": build the tessera_data target first");
  }
  for (const auto& folder : {layout.registryFolder, layout.engineFolder, layout.skinsFolder}) {
    if (!files::createFolders(folder)) return failed("cannot create " + folder);
  }

  registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path",
                       layout.engineFolder);
  WriteSetting(settings::InstalledPath, layout.skinsFolder);

  files::removeFolderRecursive(dataFolder);
  for (const std::string& skin : files::listFolders(generated)) {
    files::removeFolderRecursive(paths::join(layout.skinsFolder, skin));
  }
  if (!files::copyTree(generated, layout.skinsFolder)) {
    return failed("cannot copy the generated skins folder from " + generated);
  }
  for (const char* module : {"divu", "vlrend"}) {
    if (!files::copyFile(ModulePath(sources.engineBuild, module), ModulePath(layout.engineFolder, module), true)) {
      return failed(std::string("cannot copy the engine module ") + module + " from " + sources.engineBuild);
    }
  }
  if (!files::copyFile(ModulePath(sources.engineBuild, "vuzudiv"), ModulePath(dataFolder, "vuzudiv"), true)) {
    return failed("cannot copy the preview library from " + sources.engineBuild);
  }
  copyProgramIfBuilt(paths::join(sources.engineBuild, "vlload"), paths::join(layout.engineFolder, "vlload"));
  copyProgramIfBuilt(paths::join(sources.engineBuild, "UITest"), paths::join(dataFolder, "UITest"));
  layout.ok = true;
  return layout;
}

DemoLayout LayOutDemoEnvironment(const std::string& root, const DemoSources& sources) {
  const std::string registryFolder = paths::join(root, "registry");
  if (!files::createFolders(registryFolder)) return failed("cannot create " + registryFolder);
  ::setenv("TESSERA_REGISTRY", registryFolder.c_str(), 1);
  return LayOutEnvironment(root, sources);
}

}  // namespace tessera
