#include "core/colours/part_tables.h"

#include <QString>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

constexpr std::string_view kTemplateFolder = "Tessera7\\TesseraTemplates\\Fonts\\";

const char* kindSuffix(PartKind kind) { return kind == PartKind::Colours ? "colours" : "font"; }

// The full path of a stored table path, or empty when it would lead out of the skins folder.
std::string tablePath(std::string_view stored) {
  if (stored.empty() || !IsSafeRelativePath(stored)) return {};
  return paths::join(GetSkinsFolder(), stored);
}

}  // namespace

std::string PartClassStem(std::string_view partClass) {
  return std::string(partClass.substr(0, partClass.size() > 6 ? partClass.size() - 6 : 0));
}

const char* PartKey(PartKind kind) { return kind == PartKind::Colours ? "Colours" : "Fonts"; }

std::string TemplatePartPath(std::string_view partClass, PartKind kind) {
  return std::string(kTemplateFolder) + PartClassStem(partClass) + kindSuffix(kind);
}

std::string PartPathOf(std::string_view partClass, PartKind kind, const std::string& mainFile) {
  return ReadSkinString(partClass, PartKey(kind), TemplatePartPath(partClass, kind), mainFile);
}

std::string PartCatalogueSection(std::string_view partPath) {
  std::string_view name = paths::fileName(partPath);
  if (const std::size_t underscore = name.rfind('_'); underscore != std::string_view::npos)
    name.remove_prefix(underscore + 1);
  return std::string(name);
}

std::string SavedPartPath(std::string_view partClass, PartKind kind, const std::string& mainFile) {
  std::string permanent = mainFile;
  if (!permanent.empty() && permanent.back() == '~') permanent.pop_back();
  // The main file sits in its skin's folder inside the skins folder; a main file elsewhere
  // (never opened by the editor itself) is taken as a file of the session's skin folder.
  const std::string skinsFolder = paths::resolve(GetSkinsFolder());
  const std::string resolved = paths::resolve(permanent);
  std::string relative;
  if (resolved.size() > skinsFolder.size() + 1 && resolved.compare(0, skinsFolder.size(), skinsFolder) == 0 &&
      paths::isSeparator(resolved[skinsFolder.size()])) {
    relative = resolved.substr(skinsFolder.size() + 1);
  } else {
    relative = Session().skinName + "\\" + std::string(paths::fileName(permanent));
  }
  return paths::toStored(relative) + "_" + PartClassStem(partClass) + kindSuffix(kind);
}

std::vector<PartRecord> LoadPartClass(std::string_view partClass, PartKind kind, const std::string& mainFile) {
  const std::string stored = PartPathOf(partClass, kind, mainFile);
  const std::string path = tablePath(stored);
  if (path.empty()) return {};
  const std::optional<std::string> bytes = files::readAll(path);
  if (!bytes) return {};
  std::vector<PartRecord> records = ParsePartFile(*bytes, kind);
  const std::string section = PartCatalogueSection(stored);
  const std::string catalogue = DataFile(kPartNamesCatalogue);
  const profile::ReadBatch batch;
  for (PartRecord& record : records) {
    const std::string key = std::to_string(record.part) + "." + std::to_string(record.state);
    record.displayName = profile::ReadString(section, key, "", catalogue, kPartDisplayNameSize);
  }
  return records;
}

bool SavePartClass(std::string_view partClass, PartKind kind, const std::vector<PartRecord>& records,
                   const std::string& mainFile) {
  const std::string stored = SavedPartPath(partClass, kind, mainFile);
  const std::string path = tablePath(stored);
  if (path.empty()) return false;
  const SkinDocument::Step step(SkinDocument::current(), kind == PartKind::Colours
                                                             ? QStringLiteral("Change part colour")
                                                             : QStringLiteral("Change part font"));
  // After the first change the key already names the table: only the table is written then.
  if (PartPathOf(partClass, kind, mainFile) != stored && WriteSkinString(partClass, PartKey(kind), stored, mainFile) == 0)
    return false;
  return files::writeAllAtomic(path, FormatPartFile(records, kind));
}

void RevertPartClass(std::string_view partClass, PartKind kind, const std::string& mainFile) {
  const SkinDocument::Step step(SkinDocument::current(), QStringLiteral("Revert section to defaults"));
  WriteSkinString(partClass, PartKey(kind), std::nullopt, mainFile);
}

}  // namespace tessera
