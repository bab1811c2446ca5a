#include "core/skin/skin_copy.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <unordered_map>
#include <unordered_set>
#include <optional>
#include <vector>

#include "core/engine/engine_libraries.h"
#include "core/platform/ini_document.h"
#include "core/skin/skin_session.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/cached_renderings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_names.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/substyles.h"

namespace tessera {

namespace {

constexpr std::array<const char*, 66> kSkinPathKeys = {
    "Image",          "ImageMask",        "Bitmap",           "BitmapMask",       "GlyphImage",
    "GlyphImageMask", "GlyphBitmap",      "GlyphBitmapMask",  "MenuBar",          "MenuBarMask",
    "ButtonImage",    "ButtonImageMask",  "OutSound",         "InSound",          "CheckBox",
    "CheckBoxMask",   "RadioButton",      "RadioButtonMask",  "Wallpaper",        "Top",
    "Left",           "Right",            "Bottom",           "TopMask",          "LeftMask",
    "RightMask",      "BottomMask",       "File",             "Font1",            "Font2",
    "Font3",          "Font4",            "Font5",            "Font6",            "Font7",
    "Font8",          "Font9",            "MenuBorders",      "MenuBordersMask",  "MoveFiles",
    "Copy",           "EmptyBin",         "DeleteFinal",      "ChangeAttributes", "IEDownload",
    "OverlayImage",   "OverlayImageMask", "ScriptMouseLeave", "ScriptMouseEnter", "ScriptMousePress",
    "ScriptMouseRelease", "DllName",      "Command",          "VertFrame",        "HorzFrame",
    "VertFrameMask",  "HorzFrameMask",    "ShapeLeftImage",   "ShapeRightImage",  "MDIBmp",
    "MDIBmpMask",     "DialogBmp",        "DialogBmpMask",    "ActiveTitle",      "Border",
    "BorderMask"};

// Sub-style loops stop here whatever "Number" claims.
constexpr int kMaxCopiedSubStyles = 10000;

struct CompanionInfo {
  const char* section;
  const char* infoSection;  // gets SkinName = the new name, when not null
};
constexpr std::array<CompanionInfo, 4> kRenamedCompanions = {{
    {"XPTaskbar", nullptr},
    {"XPShell", nullptr},
    {"Animations", "Animations.Info"},
    {"ToolbarIcons", "ToolbarIcons.Info"},
}};

// The value's first folder, when it has one after its first character.
std::optional<std::size_t> firstSeparatorAfterStart(std::string_view value) {
  for (std::size_t i = 1; i < value.size(); ++i) {
    if (paths::isSeparator(value[i])) return i;
  }
  return std::nullopt;
}

// A companion path stays inside the folder of skin `skinName`.
bool isInsideSkin(std::string_view value, std::string_view skinName) {
  const auto sep = firstSeparatorAfterStart(value);
  return sep && IsSafeRelativePath(value) && paths::equalsIgnoreCase(value.substr(0, *sep), skinName) &&
         *sep + 1 < value.size();
}

struct RenamedValue {
  std::string section;
  const char* key;
  std::string value;
};

// The renamed values of a file are written in one go: a skin file names hundreds of pictures, and
// a write per value would replace (and flush) the whole file hundreds of times. Like every skin
// write, this happens only while skin writes are enabled, and marks the session modified.
void writeRenamedValues(const std::string& file, const std::vector<RenamedValue>& renamed) {
  if (renamed.empty()) return;
  SkinSession& session = Session();
  if (!SkinWritesEnabled()) return;
  session.modified = 1;
  const auto bytes = files::readAll(file);
  if (!bytes) return;
  IniDocument document(*bytes);
  std::vector<IniDocument::Edit> edits;
  edits.reserve(renamed.size());
  for (const auto& r : renamed) edits.push_back({r.section, r.key, r.value});
  document.setValues(edits);
  files::writeAllAtomic(file, document.bytes());
}

// The plain files of a skin folder are copied without a flush per file (the atomic, flushed
// replace of files::copyFile costs a disk sync for each of hundreds of pictures) and without
// resolving every target name on its own: the destination is listed once, and a file that exists
// there in another letter case is overwritten under its own name. An interrupted copy leaves an
// incomplete new folder, never a damaged source; CopySkin builds that folder out of sight.
class FolderCopier {
 public:
  explicit FolderCopier(const std::string& destination) : destination_(paths::resolve(destination)) {
    for (const auto& name : files::listFiles(destination_)) existing_.emplace(paths::upper(name), name);
  }
  bool copy(const std::string& sourceFile, const std::string& name) {
    const auto known = existing_.find(paths::upper(name));
    const std::string targetName = known == existing_.end() ? name : known->second;
    std::error_code error;
    const bool copied = std::filesystem::copy_file(sourceFile, destination_ + "/" + targetName,
                                                   std::filesystem::copy_options::overwrite_existing, error);
    existing_.emplace(paths::upper(name), targetName);
    return copied && !error;
  }

 private:
  std::string destination_;
  std::unordered_map<std::string, std::string> existing_;
};

std::string withoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && paths::isSeparator(path.back())) path.pop_back();
  return path;
}

// Sub-style i (from 1) of the copy is renamed <newName><i>.sss. The files first move to
// temporary names, so that one sub-style's new name can never replace another's file.
void renameSubStyleFiles(std::string_view skinsFolder, const std::string& destination, std::string_view sourceName,
                         const std::string& name) {
  const std::string ssd = paths::join(destination, name + ".SSD");
  const int n = std::min(static_cast<int>(profile::GetInt(kSubStylesSection, "Number", 0, ssd)), kMaxCopiedSubStyles);
  struct Pending {
    int index;
    std::string temporary;
    std::string renamed;
  };
  std::vector<Pending> pending;
  for (int i = 1; i < n; ++i) {
    const std::string skin = profile::ReadString(SubStyleSection(i), "Skin", "", ssd);
    if (skin.empty() || !IsSubStyleFileName(skin)) continue;
    // An entry naming the main file keeps it where it is.
    if (paths::equalsIgnoreCase(skin, name + ".uis") || paths::equalsIgnoreCase(skin, std::string(sourceName) + ".uis")) {
      continue;
    }
    const std::string renamed = name + std::to_string(i) + ".sss";
    const std::string temporary = renamed + ".moving";
    const std::string current = paths::join(destination, skin);
    if (files::isFile(current)) {
      WriteSkinString("TitlebarSkin", "SkinName", name, current);
      files::moveFile(current, paths::join(destination, temporary));
    }
    pending.push_back({i, temporary, renamed});
  }
  for (const auto& p : pending) {
    const std::string renamedPath = paths::join(destination, p.renamed);
    if (files::isFile(paths::join(destination, p.temporary))) {
      files::deleteFile(renamedPath);
      files::moveFile(paths::join(destination, p.temporary), renamedPath);
    }
    WriteSkinString(SubStyleSection(p.index), "Skin", p.renamed, ssd);
    RenameSkinFileReferences(skinsFolder, renamedPath, sourceName, name);
  }
}

// The steps after the plain copy, in the copy's folder `destination` of `skinsFolder`.
void fillCopy(std::string_view skinsFolder, const std::string& destination, std::string_view sourceName,
              std::string_view newName) {
  DeleteCachedRenderings(destination, CachedRenderingExtensionsForCopy());
  const std::string name(newName);
  // A main file left under the source name (by an earlier copy into the same folder) would be a
  // second main file; a template may share the new name, and then that file is the new one.
  if (!paths::equalsIgnoreCase(sourceName, newName)) {
    files::deleteFile(paths::join(destination, std::string(sourceName) + ".uis"));
    files::deleteFile(paths::join(destination, std::string(sourceName) + ".uis~"));
  }
  const std::string mainFile = paths::join(destination, name + ".uis");
  WriteSkinString("TitlebarSkin", "SkinName", name, mainFile);
  RenameSkinFileReferences(skinsFolder, mainFile, sourceName, newName);

  renameSubStyleFiles(skinsFolder, destination, sourceName, name);
}

}  // namespace

std::span<const char* const> SkinPathKeys() { return kSkinPathKeys; }

std::string TemplatesFolder(std::string_view skinsFolder) {
  return paths::join(paths::join(skinsFolder, kDataFolderName), "TesseraTemplates");
}

void RenameSkinReferences(const std::string& file, std::string_view oldName, std::string_view newName) {
  static const std::unordered_set<std::string> pathKeys = [] {
    std::unordered_set<std::string> keys;
    for (const char* key : kSkinPathKeys) keys.insert(paths::upper(key));
    return keys;
  }();
  std::vector<RenamedValue> renamed;
  {
    const profile::ReadBatch batch;
    std::unordered_set<std::string> seenSections;
    for (const auto& section : profile::SectionNames(file)) {
      // A repeated section reads as its first copy, which is already done.
      if (!seenSections.insert(paths::upper(section)).second) continue;
      // Only the path keys the section holds are looked up: a section names a few of the many.
      std::unordered_set<std::string> seenKeys;
      for (const auto& entry : profile::ReadSection(section, file)) {
        const auto equals = entry.find('=');
        if (equals == std::string::npos) continue;
        const std::string upperKey = paths::upper(std::string_view(entry).substr(0, equals));
        const auto known = pathKeys.find(upperKey);
        if (known == pathKeys.end() || !seenKeys.insert(upperKey).second) continue;
        const char* key = *std::find_if(kSkinPathKeys.begin(), kSkinPathKeys.end(),
                                        [&](const char* k) { return paths::equalsIgnoreCase(k, upperKey); });
        // The whole value is read, so that a long value is never written back cut short.
        const auto value = profile::FindValue(section, key, file);
        if (!value || value->empty()) continue;
        const auto sep = firstSeparatorAfterStart(*value);
        if (!sep || !paths::equalsIgnoreCase(std::string_view(*value).substr(0, *sep), oldName)) continue;
        std::string changed = std::string(newName) + value->substr(*sep);
        if (changed != *value) renamed.push_back({section, key, std::move(changed)});
      }
    }
  }
  writeRenamedValues(file, renamed);
}

void RenameSkinFileReferences(std::string_view skinsFolder, const std::string& file, std::string_view oldName,
                              std::string_view newName) {
  RenameSkinReferences(file, oldName, newName);
  for (const auto& companion : kRenamedCompanions) {
    const std::string value = profile::ReadString(companion.section, "File", "", file);
    if (value.empty() || !isInsideSkin(value, newName)) continue;
    const std::string path = paths::join(skinsFolder, value);
    RenameSkinReferences(path, oldName, newName);
    if (companion.infoSection) WriteSkinString(companion.infoSection, "SkinName", newName, path);
  }
}

bool CopySkinFolder(const std::string& source, const std::string& destination, std::string_view sourceName,
                    std::string_view newName, const ProgressCallback& progress) {
  if (source.size() <= 9) return false;
  // Names are compared as the file system resolves them, so "Aqua" and "AQUA" are one folder.
  if (paths::equalsIgnoreCase(withoutTrailingSeparators(paths::resolve(source)),
                              withoutTrailingSeparators(paths::resolve(destination)))) {
    return false;
  }
  if (!files::createFolder(destination)) return false;
  const std::string mainName = std::string(sourceName) + ".UIS";
  const std::string ssdName = std::string(sourceName) + ".SSD";
  const std::string sourceFolder = paths::resolve(source);
  FolderCopier copier(destination);
  std::vector<std::string> names = files::listFiles(sourceFolder);
  std::erase_if(names, [](const std::string& name) { return name.ends_with('~'); });
  const auto total = static_cast<std::int64_t>(names.size());
  std::int64_t done = 0;
  if (!ReportProgress(progress, done, total)) return false;
  for (const auto& name : names) {
    if (!copier.copy(sourceFolder + "/" + name, name)) return false;
    if (!ReportProgress(progress, ++done, total)) return false;
    if (paths::equalsIgnoreCase(name, mainName)) {
      const std::string target = paths::join(destination, std::string(newName) + ".uis");
      files::deleteFile(target);  // an older main file of that name must not win over the copy
      files::moveFile(paths::join(destination, name), target);
    } else if (paths::equalsIgnoreCase(name, ssdName)) {
      const std::string target = paths::join(destination, std::string(newName) + ".SSD");
      files::deleteFile(target);
      files::moveFile(paths::join(destination, name), target);
      WriteSkinString(SubStyleSection(0), "Skin", std::string(newName) + ".uis", target);
    }
  }
  return true;
}

CopySkinResult CopySkin(std::string_view skinsFolder, std::string_view newName, std::string_view sourceName,
                        bool fromTemplate, const SkinDatabase* database, const ProgressCallback& progress) {
  if (const std::string problem = SkinNameProblem(newName); !problem.empty()) return {false, problem};
  if (paths::equalsIgnoreCase(newName, kDataFolderName)) return {false, "That name is used by Tessera's own folder."};
  if (!IsSafeSkinName(sourceName)) return {false, "The skin to copy has no valid name."};
  if (!fromTemplate && paths::equalsIgnoreCase(newName, sourceName)) {
    return {false, "A skin cannot be copied onto itself."};
  }
  const std::string destination = paths::join(skinsFolder, newName);
  const std::string source =
      fromTemplate ? paths::join(TemplatesFolder(skinsFolder), sourceName) : paths::join(skinsFolder, sourceName);
  if (!files::isFolder(source)) return {false, "The skin \"" + std::string(sourceName) + "\" was not found."};

  // The copy is assembled in a hidden work folder <skins>/.<name>.partial-<pid>/<name> (so that
  // references resolve against the work folder as against the skins folder), flushed once and
  // published by one rename: a crash leaves either no new skin or a complete one, and the work
  // folder it leaves is never listed as a skin and is removed by a later copy.
  files::removeAbandonedWorkFolders(skinsFolder);
  const std::string work = files::workFolderFor(destination);
  files::removeFolderRecursive(work);
  const std::string staged = paths::join(work, newName);
  const CopySkinResult failed{false, "The skin folder could not be copied."};
  if (!files::createFolder(work)) return failed;
  bool copied = true;
  if (files::isFolder(destination)) {
    // A folder of that name that is no skin yet gets the copy laid over what it holds.
    std::error_code error;
    std::filesystem::copy(paths::resolve(destination), staged,
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::copy_symlinks,
                          error);
    copied = !error;
  }
  // The files are the steps of the copy, and renaming the references one more; a stop is
  // honoured until the copy is flushed, since until then nothing is visible outside the work folder.
  bool stopped = false;
  std::int64_t fileCount = 0;
  const ProgressCallback fileProgress = [&](std::int64_t done, std::int64_t total) {
    fileCount = total;
    stopped = !ReportProgress(progress, done, total + 1);
    return !stopped;
  };
  {
    const files::UnsyncedWritesUnder unsynced(work);
    copied = copied && files::createFolder(staged) &&
             CopySkinFolder(source, staged, sourceName, newName, progress ? fileProgress : ProgressCallback{});
    if (copied) fillCopy(work, staged, sourceName, newName);
  }
  if (copied && !stopped) stopped = !ReportProgress(progress, fileCount + 1, fileCount + 1);
  if (stopped) {
    files::removeFolderRecursive(work);
    return {false, {}, true};
  }
  if (!copied || !files::syncFileSystemOf(work) || !files::publishFolder(staged, destination)) {
    files::removeFolderRecursive(work);
    return failed;
  }
  files::removeFolderRecursive(work);  // empty, or the folder the copy replaced

  if (database) {
    const std::string name(newName);
    database->DeleteSkin(name);
    database->InsertNewSkin(name);
  }
  return {true, {}};
}

}  // namespace tessera
