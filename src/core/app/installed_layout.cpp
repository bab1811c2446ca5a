#include "core/app/installed_layout.h"

#include <stdlib.h>

#include <QFileInfo>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"

namespace tessera {

std::string RunningProgramFolder() {
  const QFileInfo program(QStringLiteral("/proc/self/exe"));
  const QString target = program.canonicalFilePath();
  if (target.isEmpty()) return {};
  return QFileInfo(target).absolutePath().toStdString();
}

std::optional<DemoSources> InstalledSources(std::string_view programFolder) {
  if (programFolder.empty()) return std::nullopt;
  const std::string prefix = paths::join(programFolder, "..");
  DemoSources sources{paths::join(prefix, "lib/tessera/engine"), paths::join(prefix, "share/tessera/skins")};
  if (!files::isFile(ModulePath(sources.engineBuild, "divu"))) return std::nullopt;
  if (!files::isFile(paths::join(sources.generatedSkins, "Tessera7/subsections.ini"))) return std::nullopt;
  return sources;
}

DemoSources PreferredSources(const DemoSources& buildTree) {
  return InstalledSources(RunningProgramFolder()).value_or(buildTree);
}

namespace {

std::string userDataFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) return paths::join(data, "Tessera");
  const char* home = std::getenv("HOME");
  if (!home || !*home) return {};
  return paths::join(home, ".local/share/Tessera");
}

}  // namespace

bool SetUpFirstRunEnvironment() {
  if (const char* chosen = std::getenv("TESSERA_REGISTRY"); chosen && *chosen) return false;
  if (!EngineInstallFolder().empty()) return false;
  const auto sources = InstalledSources(RunningProgramFolder());
  const std::string root = userDataFolder();
  if (!sources || root.empty()) return false;
  const bool ok = LayOutEnvironment(root, *sources).ok;
  ResetSkinsFolderCache();
  return ok;
}

}  // namespace tessera
