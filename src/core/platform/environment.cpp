#include "core/platform/environment.h"

#include <QStandardPaths>
#include <mutex>

#include "core/platform/paths.h"
#include "core/platform/registry.h"
#include "core/platform/settings.h"

namespace tessera {

namespace {

constexpr std::string_view kEngineKey = "SOFTWARE\\Quillmont\\Marrowline\\Velarium";

std::mutex skinsFolderMutex;
std::string keptSkinsFolder;
bool skinsFolderKept = false;

}  // namespace

std::string EngineInstallFolder() {
  return registry::readValue(registry::Hive::LocalMachine, kEngineKey, "Path").value_or(std::string{});
}

std::string GetSkinsFolderFresh() {
  std::string folder = ReadSetting(settings::InstalledPath);
  if (folder.empty()) {
    const std::string documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    folder = paths::join(documents, "Quillmont/Velarium");
  }
  while (folder.size() > 1 && paths::isSeparator(folder.back())) folder.pop_back();
  return paths::toNative(folder);
}

std::string GetSkinsFolder() {
  std::lock_guard lock(skinsFolderMutex);
  if (!skinsFolderKept) {
    keptSkinsFolder = GetSkinsFolderFresh();
    skinsFolderKept = true;
  }
  return keptSkinsFolder;
}

void ResetSkinsFolderCache() {
  std::lock_guard lock(skinsFolderMutex);
  skinsFolderKept = false;
}

std::string DataFolder() { return paths::join(GetSkinsFolderFresh(), "Tessera7"); }

std::string DataFile(std::string_view relative) { return paths::join(DataFolder(), relative); }

std::string CommandLinePath(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i] ? argv[i] : "";
    if (arg.empty() || arg.front() == '-') continue;
    return paths::upper(arg);
  }
  return {};
}

std::string SkinPathForCommandLine(std::string_view path) {
  const auto sep = paths::lastSeparator(path);
  if (sep == std::string_view::npos || sep == 0) return std::string(path);
  const std::string_view parent = path.substr(0, sep);
  const std::string_view parentName = paths::fileName(parent);
  std::string result(parent);
  result += path[sep];
  result += parentName;
  result += ".UIS";
  return result;
}

std::string_view ModuleSuffix() { return "so"; }

std::string ModulePath(std::string_view folder, std::string_view name) {
  // Plain concatenation: an empty folder gives "/divu.so", as the engine's own loader would try.
  std::string path = paths::toNative(folder);
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  path += '.';
  path += ModuleSuffix();
  return path;
}

}  // namespace tessera
