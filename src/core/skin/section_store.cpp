#include "core/skin/section_store.h"

#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/skin/skin_session.h"

namespace tessera {

const std::string& CataloguePath() {
  // Built once per skins folder: every key routing asks for it.
  static std::string skinsFolder;
  static std::string path;
  const std::string current = GetSkinsFolder();
  if (path.empty() || current != skinsFolder) {
    skinsFolder = current;
    path = paths::join(current, "Tessera7/subsections.ini");
  }
  return path;
}

namespace {

int alternativeFor(std::string_view section, int defaultAlternative) {
  const std::string& catalogue = CataloguePath();
  int alt = static_cast<int>(profile::GetInt(section, "AlternativeFile", defaultAlternative, catalogue));
  // A layer section "Parent:Layer:..." lives where its top-level section lives; the name says
  // which that is, so routing never depends on which window edits it.
  const auto colon = section.find(':');
  if (alt == 0 && colon != std::string_view::npos && colon >= 1) {
    alt = static_cast<int>(profile::GetInt(section.substr(0, colon), "AlternativeFile", 0, catalogue));
  }
  return alt;
}

std::string routed(std::string_view section, const std::string& file, int defaultAlternative = 0) {
  const SkinSession& s = Session();
  if (file != s.mainFile) return file;
  const int alt = alternativeFor(section, defaultAlternative);
  if (alt >= 1 && alt <= 3) return s.companionFiles[static_cast<std::size_t>(alt - 1)];
  return file;
}

}  // namespace

std::string SkinFileForSection(std::string_view section) { return SkinFileForSection(section, 0); }

std::string SkinFileForSection(std::string_view section, int defaultAlternative) {
  const SkinSession& s = Session();
  const int alt = alternativeFor(section, defaultAlternative);
  if (alt >= 1 && alt <= 3) return s.companionFiles[static_cast<std::size_t>(alt - 1)];
  return s.mainFile;
}

unsigned int ReadSkinInt(std::string_view section, std::string_view key, int def, const std::string& file) {
  return profile::GetInt(section, key, def, routed(section, file));
}

std::size_t ReadSkinString(std::string_view section, std::string_view key, std::string_view def, char* buffer,
                           std::size_t size, const std::string& file) {
  return profile::GetString(section, key, def, buffer, size, routed(section, file));
}

std::string ReadSkinString(std::string_view section, std::string_view key, std::string_view def,
                           const std::string& file, std::size_t size) {
  return profile::ReadString(section, key, def, routed(section, file), size);
}

int WriteSkinString(std::string_view section, profile::OptionalText key, profile::OptionalText value,
                    const std::string& file) {
  return WriteSkinStringToFile(section, key, value, routed(section, file));
}

int WriteSkinStringToFile(std::string_view section, profile::OptionalText key, profile::OptionalText value,
                          const std::string& file) {
  SkinSession& s = Session();
  if (!SkinWritesEnabled()) return 1;
  s.modified = 1;
  return profile::WriteString(section, key, value, file) ? 1 : 0;
}

}  // namespace tessera
