#include "standin/render/skin_model.h"

#include <sys/stat.h>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_path_safety.h"

namespace tessera::render {

namespace {

// Sections of the main file whose key "File" names a companion file.
constexpr const char* kCompanionSections[] = {"XPTaskbar", "XPShell", "ToolbarIcons"};

// One pair of matching surrounding quotes is removed from a value, as the profile engine reads it.
std::string_view withoutQuotes(std::string_view value) {
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

SkinModel::SkinModel(std::string mainFile, const SkinModel* unchanged) : mainFile_(paths::resolve(mainFile)) {
  skinFolder_ = std::string(paths::parentFolder(mainFile_));
  skinsFolder_ = std::string(paths::parentFolder(skinFolder_));
  // The main file is read once, into its snapshot; the companions it names are read from there.
  files_.push_back(mainFile_);
  snapshots_.resize(1);
  snapshots_[0].path = mainFile_;
  takeOverSnapshots(unchanged);
  refresh();
  const IniDocument* main = documentOf(0);
  for (const char* section : kCompanionSections) {
    const auto relative = main ? main->value(section, "File") : std::nullopt;
    if (!relative || relative->empty()) continue;
    const std::string path = resolveSlot(std::string(withoutQuotes(*relative)));
    if (path.empty() || !files::isFile(path)) continue;
    bool known = false;
    for (const auto& f : files_) known = known || f == path;
    if (!known) files_.push_back(path);
  }
  snapshots_.resize(files_.size());
  for (std::size_t i = 1; i < files_.size(); ++i) snapshots_[i].path = files_[i];
  takeOverSnapshots(unchanged);
  refresh();
}

void SkinModel::takeOverSnapshots(const SkinModel* other) {
  if (!other || other == this) return;
  for (auto& snapshot : snapshots_) {
    if (snapshot.document) continue;
    for (const auto& theirs : other->snapshots_) {
      if (theirs.path == snapshot.path) snapshot = theirs;
    }
  }
}

void SkinModel::refresh() {
  for (auto& snapshot : snapshots_) {
    struct stat st{};
    if (::stat(snapshot.path.c_str(), &st) != 0) {
      snapshot.document.reset();
      snapshot.modified = -1;
      continue;
    }
    const long long modified = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    if (snapshot.document && snapshot.modified == modified && snapshot.size == st.st_size &&
        snapshot.inode == static_cast<unsigned long long>(st.st_ino)) {
      continue;
    }
    snapshot.modified = modified;
    snapshot.size = st.st_size;
    snapshot.inode = static_cast<unsigned long long>(st.st_ino);
    snapshot.document = std::make_shared<const IniDocument>(files::readAll(snapshot.path).value_or(std::string()));
  }
}

const IniDocument* SkinModel::documentOf(std::size_t index) const {
  return index < snapshots_.size() ? snapshots_[index].document.get() : nullptr;
}

const std::string& SkinModel::fileFor(std::string_view section) const {
  for (std::size_t i = 1; i < files_.size(); ++i) {
    const IniDocument* document = documentOf(i);
    if (document && document->hasSection(section)) return files_[i];
  }
  return mainFile_;
}

bool SkinModel::hasSection(std::string_view section) const {
  for (std::size_t i = 0; i < files_.size(); ++i) {
    const IniDocument* document = documentOf(i);
    if (document && document->hasSection(section)) return true;
  }
  return false;
}

std::optional<std::string> SkinModel::value(std::string_view section, std::string_view key) const {
  for (std::size_t i = 0; i < files_.size(); ++i) {
    const IniDocument* document = documentOf(i);
    if (!document) continue;
    if (const auto v = document->value(section, key)) return std::string(withoutQuotes(*v));
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

bool SkinModel::mainFileHasSections() const {
  const IniDocument* main = documentOf(0);
  return main && !main->sectionNames().empty();
}

std::vector<std::string> SkinModel::sectionNames() const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < files_.size(); ++i) {
    const IniDocument* document = documentOf(i);
    if (!document) continue;
    for (const auto name : document->sectionNames()) names.emplace_back(name);
  }
  return names;
}

}  // namespace tessera::render
