// Atomic writes: a file is written whole beside its target and takes its place in one rename,
// so a crash never leaves a truncated file; and the work folders that a whole new folder is
// built in before it is put in place the same way.
#include "core/platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "core/platform/change_observer.h"
#include "core/platform/paths.h"
#include "core/platform/posix_files.h"

namespace tessera::files {

namespace {

using posix::statPath;
using posix::writeFully;

// Temporary siblings are named ".<name>.tmp<pid>_<n>": the writer's process id lets a later
// write tell the debris of a dead writer from the work of a live one.
std::string temporaryPrefix(const std::string& target) { return "." + std::string(paths::fileName(target)) + ".tmp"; }

std::string temporarySibling(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const std::string folder(paths::parentFolder(target));
  const std::string name =
      temporaryPrefix(target) + std::to_string(::getpid()) + "_" + std::to_string(counter++);
  return folder.empty() ? name : folder + "/" + name;
}

// The process id of a temporary sibling's name ("<prefix><pid>_<n>"), or 0 when it is none.
pid_t writerOf(std::string_view name, std::string_view prefix) {
  if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return 0;
  name.remove_prefix(prefix.size());
  const auto underscore = name.find('_');
  if (underscore == 0 || underscore == std::string_view::npos || underscore + 1 == name.size()) return 0;
  long long pid = 0;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (i == underscore) continue;
    if (c < '0' || c > '9') return 0;
    if (i < underscore) {
      pid = pid * 10 + (c - '0');
      if (pid > 0x7fffffff) return 0;
    }
  }
  return static_cast<pid_t>(pid);
}

// Removes the temporary siblings of `target` whose writer no longer runs (a crash or a kill
// between creating and renaming them).
void removeStaleTemporaries(const std::string& target) {
  const std::string folder(paths::parentFolder(target));
  const std::string dirPath = folder.empty() ? "." : folder;
  const std::string prefix = temporaryPrefix(target);
  DIR* dir = ::opendir(dirPath.c_str());
  if (!dir) return;
  std::vector<std::string> stale;
  while (const dirent* entry = ::readdir(dir)) {
    const pid_t pid = writerOf(entry->d_name, prefix);
    if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) stale.emplace_back(entry->d_name);
  }
  ::closedir(dir);
  for (const auto& name : stale) ::unlinkat(AT_FDCWD, (dirPath + "/" + name).c_str(), 0);
}

// The folder (resolved, without a trailing separator) under which this thread's writes are not
// flushed one by one; empty when every write is flushed.
thread_local std::string unsyncedFolder;

bool flushedOneByOne(const std::string& target) {
  return unsyncedFolder.empty() || target.size() <= unsyncedFolder.size() ||
         target.compare(0, unsyncedFolder.size(), unsyncedFolder) != 0 || target[unsyncedFolder.size()] != '/';
}

// Writes and flushes to the disk (unless the target's folder is flushed as a whole later); false
// when either fails. The mode is set exactly (the umask does not narrow it) where the file system
// allows it.
bool fillAndSync(int fd, std::string_view data, mode_t mode, bool sync) {
  ::fchmod(fd, mode);
  return writeFully(fd, data) && (!sync || ::fdatasync(fd) == 0);
}

enum class TmpfileResult { Written, Failed, Unsupported };

// An unnamed file in the target's folder (O_TMPFILE) never shows up in it until it is complete:
// it gets a name only by the link right before the rename, so a crash leaves nothing behind.
TmpfileResult writeThroughUnnamedFile(const std::string& target, std::string_view data, mode_t mode, bool sync) {
  const std::string folder(paths::parentFolder(target));
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  if (fd < 0) {
    return (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) ? TmpfileResult::Unsupported
                                                                       : TmpfileResult::Failed;
  }
  if (!fillAndSync(fd, data, mode, sync)) {
    ::close(fd);
    return TmpfileResult::Failed;
  }
  // A link cannot replace a file, so the unnamed file is linked to a fresh temporary name that
  // is renamed over the target. Linking through /proc needs no privilege, unlike AT_EMPTY_PATH.
  const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
  std::string temp;
  bool linked = false;
  for (int attempt = 0; attempt < 8 && !linked; ++attempt) {
    temp = temporarySibling(target);
    linked = ::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0;
    if (!linked && errno != EEXIST) break;
  }
  ::close(fd);
  if (!linked) return TmpfileResult::Unsupported;  // no /proc, or a file system without links
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return TmpfileResult::Failed;
  }
  return TmpfileResult::Written;
}

// The fallback: a named temporary sibling, renamed over the target once complete.
bool writeThroughNamedFile(const std::string& target, std::string_view data, mode_t mode, bool sync) {
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
    temp = temporarySibling(target);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  const bool written = fillAndSync(fd, data, mode, sync);
  if (::close(fd) != 0 || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

std::atomic<bool> unnamedFilesAllowed{true};

}  // namespace

namespace {

bool writeResolvedAtomic(const std::string& target, std::string_view data) {
  mode_t mode = 0644;
  struct stat existing{};
  if (statPath(target, existing)) {
    if (S_ISDIR(existing.st_mode)) return false;
    mode = existing.st_mode & 07777;
  }
  removeStaleTemporaries(target);
  const bool sync = flushedOneByOne(target);
  if (unnamedFilesAllowed.load(std::memory_order_relaxed)) {
    switch (writeThroughUnnamedFile(target, data, mode, sync)) {
      case TmpfileResult::Written: return true;
      case TmpfileResult::Failed: return false;
      case TmpfileResult::Unsupported: break;
    }
  }
  return writeThroughNamedFile(target, data, mode, sync);
}

}  // namespace

bool writeAllAtomic(std::string_view path, std::string_view data) {
  const std::string target = paths::resolve(path);
  change_notice::fileWillChange(target);
  const bool written = writeResolvedAtomic(target, data);
  change_notice::fileChanged(target);
  return written;
}

void detail::allowUnnamedTemporaries(bool allowed) { unnamedFilesAllowed.store(allowed); }

UnsyncedWritesUnder::UnsyncedWritesUnder(std::string_view folder) : previous_(unsyncedFolder) {
  std::string resolved = paths::resolve(folder);
  while (resolved.size() > 1 && resolved.back() == '/') resolved.pop_back();
  unsyncedFolder = resolved;
}

UnsyncedWritesUnder::~UnsyncedWritesUnder() { unsyncedFolder = previous_; }

namespace {
constexpr std::string_view kWorkFolderMark = ".partial-";

// The process id at the end of a work folder's name, or 0 when the name is none.
pid_t workFolderOwner(std::string_view name) {
  if (name.size() < 2 || name[0] != '.') return 0;
  const auto mark = name.rfind(kWorkFolderMark);
  if (mark == std::string_view::npos || mark < 2) return 0;
  const std::string_view digits = name.substr(mark + kWorkFolderMark.size());
  if (digits.empty() || digits.size() > 10) return 0;
  long long pid = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    pid = pid * 10 + (c - '0');
  }
  return pid > 0 && pid <= 0x7fffffff ? static_cast<pid_t>(pid) : 0;
}
}  // namespace

std::string workFolderFor(std::string_view folder) {
  std::string path(folder);
  while (path.size() > 1 && paths::isSeparator(path.back())) path.pop_back();
  const std::string parent(paths::parentFolder(path));
  const std::string name = "." + std::string(paths::fileName(path)) + std::string(kWorkFolderMark) +
                           std::to_string(::getpid());
  return parent.empty() ? name : parent + "/" + name;
}

bool isWorkFolderName(std::string_view name) { return workFolderOwner(name) != 0; }

void removeAbandonedWorkFolders(std::string_view parent) {
  const std::string folder = paths::resolve(parent);
  for (const auto& name : listFolders(folder)) {
    const pid_t owner = workFolderOwner(name);
    if (owner > 0 && owner != ::getpid() && ::kill(owner, 0) != 0 && errno == ESRCH) {
      removeFolderRecursive(folder + "/" + name);
    }
  }
}

bool syncFileSystemOf(std::string_view path) {
  const int fd = ::open(paths::resolve(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::syncfs(fd) == 0;
  ::close(fd);
  return synced;
}

namespace {
bool syncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}
}  // namespace

bool publishFolder(std::string_view staged, std::string_view destination) {
  const std::string from = paths::resolve(staged);
  const std::string to = paths::resolve(destination);
  struct stat st{};
  bool moved = false;
  if (statPath(to, st, false)) {
    if (!S_ISDIR(st.st_mode)) return false;
    moved = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_EXCHANGE) == 0;
    if (!moved && (errno == EINVAL || errno == ENOSYS)) {
      // No exchange on this file system: the old folder steps aside for a moment.
      const std::string aside = from + ".old";
      if (::renameat2(AT_FDCWD, to.c_str(), AT_FDCWD, aside.c_str(), 0) != 0) return false;
      moved = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) == 0;
      ::renameat2(AT_FDCWD, aside.c_str(), AT_FDCWD, (moved ? from : to).c_str(), 0);
    }
  } else {
    moved = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
    if (!moved && (errno == EINVAL || errno == ENOSYS)) {
      moved = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) == 0;
    }
  }
  if (moved) syncFolder(std::string(paths::parentFolder(to)));
  return moved;
}

}  // namespace tessera::files
