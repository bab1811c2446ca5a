#pragma once
// File and folder operations. Every path is resolved case-insensitively before the disk is
// touched, so a write to a name that exists in another letter case updates that file.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::files {

bool exists(std::string_view path);
bool isFile(std::string_view path);
bool isFolder(std::string_view path);

std::optional<std::string> readAll(std::string_view path);
// Writes through a temporary file in the same folder and a rename, so readers see either the
// old or the new content, never a part; the data reaches the disk before the rename. Keeps the
// permissions of a file it replaces (a new file gets 0644). Where the file system has unnamed
// temporary files (O_TMPFILE) the temporary file gets its name only for the rename; elsewhere
// it is a named sibling ".<name>.tmp<pid>_<n>", and each write removes the siblings that
// writers which no longer run left behind.
bool writeAllAtomic(std::string_view path, std::string_view data);
namespace detail {
// Tests turn unnamed temporary files off to exercise the named fallback.
void allowUnnamedTemporaries(bool allowed);
}  // namespace detail

// While one lives, writeAllAtomic on this thread skips the per-file flush for files inside
// `folder` (a work folder that is flushed once as a whole before it is published).
class UnsyncedWritesUnder {
 public:
  explicit UnsyncedWritesUnder(std::string_view folder);
  ~UnsyncedWritesUnder();
  UnsyncedWritesUnder(const UnsyncedWritesUnder&) = delete;
  UnsyncedWritesUnder& operator=(const UnsyncedWritesUnder&) = delete;

 private:
  std::string previous_;
};

// Work folders: a folder is assembled in a hidden sibling ".<name>.partial-<pid>" and published
// under its name by one rename, so a crash leaves either nothing new or the complete folder.
std::string workFolderFor(std::string_view folder);
bool isWorkFolderName(std::string_view name);
// Removes the work folders in `parent` whose process no longer runs.
void removeAbandonedWorkFolders(std::string_view parent);
// Flushes everything written on the file system that holds `path` (one syncfs: one wait for
// the disk instead of one per file).
bool syncFileSystemOf(std::string_view path);
// Puts folder `staged` in the place of `destination` in one rename and flushes the parent
// folder. When `destination` exists, the two are exchanged (`staged` then holds the old folder),
// so readers never see the name missing. False when nothing moved.
bool publishFolder(std::string_view staged, std::string_view destination);

// Copies a file; with overwrite false an existing target makes the copy fail. The target is
// replaced atomically.
bool copyFile(std::string_view from, std::string_view to, bool overwrite);
bool moveFile(std::string_view from, std::string_view to);
bool deleteFile(std::string_view path);
// Creates one folder (its parent must exist); true when it exists afterwards.
bool createFolder(std::string_view path);
// Creates the folder and every missing parent.
bool createFolders(std::string_view path);
// Deletes a folder and everything in it. Refuses paths of 9 characters or fewer; links inside
// are removed, never followed.
bool removeFolderRecursive(std::string_view path);
// Copies every file below folder `from` into `to`, keeping the folder structure and replacing
// files of the same name. False when `from` is not a folder or a file could not be copied.
bool copyTree(std::string_view from, std::string_view to);

// Names (not paths) of the plain files in `folder`, in name order.
std::vector<std::string> listFiles(std::string_view folder);
// Names of the plain files whose upper-cased extension equals `upperExtension` ("TGA").
std::vector<std::string> listFilesWithExtension(std::string_view folder, std::string_view upperExtension);
// Names of the plain files whose extension is one of `extensions` (compared upper-cased), read in
// one pass over the folder.
std::vector<std::string> listFilesWithExtensions(std::string_view folder, std::span<const std::string_view> extensions);
// Names of the sub-folders of `folder`, in name order (links are not followed).
std::vector<std::string> listFolders(std::string_view folder);

// Last-write time as the 64-bit count of 100-nanosecond intervals since 1 January 1601 UTC.
struct FileTime {
  std::uint32_t high = 0;
  std::uint32_t low = 0;
  std::uint64_t value() const { return (std::uint64_t{high} << 32) | low; }
  static FileTime fromValue(std::uint64_t v) {
    return {static_cast<std::uint32_t>(v >> 32), static_cast<std::uint32_t>(v & 0xffffffffu)};
  }
  friend bool operator==(const FileTime&, const FileTime&) = default;
};
std::optional<FileTime> lastWriteTime(std::string_view path);

}  // namespace tessera::files
