#include "standin/render/skin_model.h"

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_path_safety.h"

namespace tessera::render {

namespace {
// Sections of the main file whose key "File" names a companion file.
constexpr const char* kCompanionSections[] = {"XPTaskbar", "XPShell", "ToolbarIcons"};
}  // namespace

SkinModel::SkinModel(std::string mainFile) : mainFile_(paths::resolve(mainFile)) {
  skinFolder_ = std::string(paths::parentFolder(mainFile_));
  skinsFolder_ = std::string(paths::parentFolder(skinFolder_));
  files_.push_back(mainFile_);
  for (const char* section : kCompanionSections) {
    const auto relative = profile::FindValue(section, "File", mainFile_);
    if (!relative || relative->empty()) continue;
    const std::string path = resolveSlot(*relative);
    if (path.empty() || !files::isFile(path)) continue;
    bool known = false;
    for (const auto& f : files_) known = known || f == path;
    if (!known) files_.push_back(path);
  }
}

const std::string& SkinModel::fileFor(std::string_view section) const {
  for (const auto& file : files_) {
    if (file == files_.front()) continue;
    // Companion files hold few sections; the main file is the default.
    for (const auto& name : profile::SectionNames(file)) {
      if (paths::equalsIgnoreCase(name, section)) return file;
    }
  }
  return mainFile_;
}

bool SkinModel::hasSection(std::string_view section) const {
  for (const auto& file : files_) {
    for (const auto& name : profile::SectionNames(file)) {
      if (paths::equalsIgnoreCase(name, section)) return true;
    }
  }
  return false;
}

std::optional<std::string> SkinModel::value(std::string_view section, std::string_view key) const {
  for (const auto& file : files_) {
    if (auto v = profile::FindValue(section, key, file)) return v;
  }
  return std::nullopt;
}

std::string SkinModel::text(std::string_view section, std::string_view key, std::string_view def) const {
  auto v = value(section, key);
  return v ? *v : std::string(def);
}

int SkinModel::integer(std::string_view section, std::string_view key, int def) const {
  const auto v = value(section, key);
  if (!v || v->empty()) return def;
  return ParseLeadingInt(*v);
}

std::string SkinModel::resolveSlot(std::string_view slotValue) const {
  while (!slotValue.empty() && (slotValue.front() == ' ' || slotValue.front() == '\t')) slotValue.remove_prefix(1);
  if (slotValue.empty() || !IsSafeRelativePath(slotValue) || skinsFolder_.empty()) return {};
  return paths::resolve(paths::join(skinsFolder_, slotValue));
}

std::vector<std::string> SkinModel::sectionNames() const {
  std::vector<std::string> names;
  for (const auto& file : files_) {
    for (auto& name : profile::SectionNames(file)) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace tessera::render
