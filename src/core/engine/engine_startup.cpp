#include "core/engine/engine_startup.h"

#include "core/platform/environment.h"
#include "core/platform/paths.h"

namespace tessera {

EngineModules& Engine() {
  static EngineModules modules;
  return modules;
}

std::string SkinDatabasePath() { return ModulePath(EngineInstallFolder(), "divu"); }
std::string PreviewLibraryPath() { return ModulePath(DataFolder(), "vuzudiv"); }
std::string RendererPath() { return ModulePath(EngineInstallFolder(), "vlrend"); }
std::string LoaderProgramPath() { return paths::join(EngineInstallFolder(), "vlload"); }
std::string TesterProgramPath() { return paths::join(DataFolder(), "UITest"); }

EngineStartup LoadEngineModules() {
  EngineModules& modules = Engine();
  if (!modules.skinDatabase.isLoaded() && !modules.skinDatabase.load(SkinDatabasePath())) {
    return EngineStartup::MissingSkinDatabase;
  }
  if (!modules.previewLibrary.isLoaded() && !modules.previewLibrary.load(PreviewLibraryPath())) {
    return EngineStartup::MissingPreviewLibrary;
  }
  return EngineStartup::Ready;
}

StartupMessage MessageFor(EngineStartup failure) {
  switch (failure) {
    case EngineStartup::MissingSkinDatabase:
      return {"This build of Tessera 7 requires that Velarium 6 or higher is installed.",
              "Please install Quillmont Velarium"};
    case EngineStartup::MissingPreviewLibrary:
      return {"This release of Tessera 7 has detected an installation error.\n\nPlease check that the Tessera7 folder "
              "is in your skins folder.  If you moved your Velarium skins folder then you will need to relocate this "
              "folder too.",
              "Please reinstall"};
    case EngineStartup::Ready:
      break;
  }
  return {"", ""};
}

}  // namespace tessera
