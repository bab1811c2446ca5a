#include "core/skin/skin_package.h"

#include <unordered_set>
#include <vector>

#include "core/image/cut_links.h"
#include "core/image/edit_externally.h"
#include "core/image/reimport_list.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/shell.h"
#include "core/platform/zip_library.h"
#include "core/skin/cached_renderings.h"
#include "core/skin/clean_skin.h"
#include "core/skin/skin_copy.h"
#include "core/skin/skin_path_safety.h"

namespace tessera {

namespace {

// Sub-folders deeper than this are not packed (a skin has at most a few levels).
constexpr int kMaxFolderDepth = 16;

struct PackedFile {
  std::string path;
  std::string name;  // stored name: the file name alone
};

// What only the editor uses and a skin's user never needs: working copies ("~"), the re-import
// list, cut-link files, and the folders of converted pictures and of clean-skin backups.
bool IsEditorOnlyFile(std::string_view name) {
  if (name.ends_with('~')) return true;
  if (paths::equalsIgnoreCase(name, kReimportListName)) return true;
  const std::string upper = paths::upper(name);
  return upper.ends_with(paths::upper(kCutLinkIndexSuffix)) || upper.ends_with(paths::upper(kCutListSuffix));
}
bool IsEditorOnlyFolder(std::string_view name) {
  return paths::equalsIgnoreCase(name, kTempPngsFolderName) || paths::equalsIgnoreCase(name, kBackupFolderName);
}

// The archive has no folder names, so one name can be stored once. Folders are taken level by
// level (the skin folder, then its sub-folders, then theirs), each level in name order and each
// folder's files in name order: a top-level file always wins over a file of a sub-folder, and of
// two sub-folder files of one name (in any letter case) the shallower, then the first in that
// order, is kept. Links are never followed.
std::vector<PackedFile> collectFiles(const std::string& skinFolder, const std::string& exclude) {
  std::vector<PackedFile> out;
  std::unordered_set<std::string> taken;
  std::vector<std::string> level = {skinFolder};
  for (int depth = 0; !level.empty() && depth <= kMaxFolderDepth; ++depth) {
    std::vector<std::string> next;
    for (const auto& folder : level) {
      for (const auto& name : files::listFiles(folder)) {
        const std::string path = paths::join(folder, name);
        if (path == exclude || IsEditorOnlyFile(name)) continue;
        if (!taken.insert(paths::upper(name)).second) continue;
        out.push_back({path, name});
      }
      for (const auto& sub : files::listFolders(folder)) {
        // The editor's own folders are those directly in the skin folder.
        if (depth == 0 && IsEditorOnlyFolder(sub)) continue;
        next.push_back(paths::join(folder, sub));
      }
    }
    level = std::move(next);
  }
  return out;
}

// libzip reports the share written and, separately, asks whether to cancel: the answer of the
// last report is kept for the question.
struct ProgressState {
  const ProgressCallback* progress;
  bool stop = false;
};

void reportProgress(zip_t*, double share, void* state) {
  auto* s = static_cast<ProgressState*>(state);
  const auto done = static_cast<std::int64_t>(share * kPackageProgressSteps);
  // The end is reported once the archive is in place, when stopping is no longer possible.
  if (!s->stop && done < kPackageProgressSteps) s->stop = !ReportProgress(*s->progress, done, kPackageProgressSteps);
}

int askCancel(zip_t*, void* state) { return static_cast<ProgressState*>(state)->stop ? 1 : 0; }

PackageResult failed(std::string path, std::string message) { return {false, std::move(path), 0, std::move(message)}; }

}  // namespace

std::string PackageOutputFolder(std::string_view skinsFolder) {
  return paths::join(paths::join(skinsFolder, kDataFolderName), "VLA");
}

std::string PackagePath(std::string_view skinsFolder, std::string_view skinName) {
  return paths::join(PackageOutputFolder(skinsFolder), std::string(skinName) + ".vla");
}

PackageResult MakeSkinPackage(std::string_view skinsFolder, std::string_view skinName, std::string_view packagePath,
                              const ProgressCallback& progress) {
  if (!IsSafeSkinName(skinName)) return failed({}, "\"" + std::string(skinName) + "\" is not a skin name.");
  const std::string skinFolder = paths::resolve(paths::join(skinsFolder, skinName));
  if (!files::isFolder(skinFolder)) return failed({}, "There is no skin folder \"" + std::string(skinName) + "\".");
  std::string target = packagePath.empty() ? PackagePath(skinsFolder, skinName) : std::string(packagePath);
  if (packagePath.empty()) files::createFolders(PackageOutputFolder(skinsFolder));
  target = paths::resolve(target);

  DeleteCachedRenderings(skinFolder, CachedRenderingExtensions());

  const std::vector<PackedFile> packed = collectFiles(skinFolder, target);
  if (packed.empty()) return failed(target, "The skin folder holds no files.");

  ProgressState state{&progress};
  if (!ReportProgress(progress, 0, kPackageProgressSteps)) return {false, target, 0, {}, true};
  // Truncating starts an empty archive without reading an older file of that name, and libzip
  // writes to a temporary file renamed over the target when the archive is closed.
  const ZipLibrary* zip = Libzip();
  if (!zip) {
    return failed(target, "The package cannot be written: the archive library " + std::string(LibzipName()) +
                              " could not be loaded.");
  }
  int error = 0;
  zip_t* archive = zip->open(target.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return failed(target, "The package \"" + target + "\" cannot be written.");
  for (const auto& file : packed) {
    zip_source_t* source = zip->sourceFile(archive, file.path.c_str(), 0, -1);
    if (!source) continue;
    const zip_int64_t index = zip->fileAdd(archive, file.name.c_str(), source, ZIP_FL_ENC_GUESS);
    if (index < 0) {
      zip->sourceFree(source);
      continue;
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    zip->setFileCompression(archive, entry, ZIP_CM_DEFLATE, 9);
    zip->fileExtraFieldDelete(archive, entry, ZIP_EXTRA_FIELD_ALL, ZIP_FL_CENTRAL | ZIP_FL_LOCAL);
  }
  const zip_int64_t count = zip->numEntries(archive, 0);
  if (progress) {
    zip->registerProgress(archive, 0.01, reportProgress, nullptr, &state);
    zip->registerCancel(archive, askCancel, nullptr, &state);
  }
  if (zip->close(archive) != 0) {
    const std::string reason = zip->strerror(archive);
    zip->discard(archive);
    if (state.stop) return {false, target, 0, {}, true};
    return failed(target, "The package could not be written: " + reason);
  }
  ReportProgress(progress, kPackageProgressSteps, kPackageProgressSteps);
  return {true, target, static_cast<int>(count), {}};
}

PackageResult MakePackageAndShowFolder(std::string_view skinsFolder, std::string_view skinName,
                                       const ProgressCallback& progress) {
  PackageResult result = MakeSkinPackage(skinsFolder, skinName, {}, progress);
  CurrentShell().open(PackageOutputFolder(skinsFolder));
  return result;
}

}  // namespace tessera
