#include "core/platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "core/platform/change_observer.h"
#include "core/platform/paths.h"
#include "core/platform/posix_files.h"

namespace tessera::files {

namespace {

using posix::statPath;

// Names are filtered before the entry is stat'ed: a folder of pictures is listed often and
// most callers want a few of its names.
template <typename NamePred, typename Pred>
std::vector<std::string> listEntries(std::string_view folder, NamePred wantName, Pred keep) {
  std::vector<std::string> names;
  const std::string dirPath = paths::resolve(folder);
  DIR* dir = ::opendir(dirPath.c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == ".." || !wantName(name)) continue;
    struct stat st{};
    if (!statPath(dirPath + "/" + name, st, false)) continue;
    if (keep(name, st)) names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

bool anyName(const std::string&) { return true; }
bool isRegular(const std::string&, const struct stat& st) { return S_ISREG(st.st_mode); }

}  // namespace

bool exists(std::string_view path) {
  struct stat st{};
  return statPath(paths::resolve(path), st);
}

bool isFile(std::string_view path) {
  struct stat st{};
  return statPath(paths::resolve(path), st) && S_ISREG(st.st_mode);
}

bool isFolder(std::string_view path) {
  struct stat st{};
  return statPath(paths::resolve(path), st) && S_ISDIR(st.st_mode);
}

std::optional<std::string> readAll(std::string_view path) {
  const std::string resolved = paths::resolve(path);
  const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string data;
  struct stat st{};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) data.reserve(static_cast<std::size_t>(st.st_size));
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    data.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return data;
}

bool copyFile(std::string_view from, std::string_view to, bool overwrite) {
  const std::string source = paths::resolve(from);
  const std::string target = paths::resolve(to);
  struct stat st{};
  if (!statPath(source, st) || !S_ISREG(st.st_mode)) return false;
  if (!overwrite && statPath(target, st)) return false;
  if (source == target) return true;
  const auto data = readAll(source);
  return data && writeAllAtomic(target, *data);
}

bool moveFile(std::string_view from, std::string_view to) {
  const std::string source = paths::resolve(from);
  const std::string target = paths::resolve(to);
  struct stat st{};
  if (!statPath(source, st, false)) return false;
  if (statPath(target, st, false)) return false;  // moving never replaces
  change_notice::fileWillChange(source);
  change_notice::fileWillChange(target);
  bool moved = ::rename(source.c_str(), target.c_str()) == 0;
  if (!moved && errno == EXDEV) moved = copyFile(source, target, false) && deleteFile(source);
  change_notice::fileChanged(source);
  change_notice::fileChanged(target);
  return moved;
}

bool deleteFile(std::string_view path) {
  const std::string resolved = paths::resolve(path);
  struct stat st{};
  if (!statPath(resolved, st, false) || S_ISDIR(st.st_mode)) return false;
  change_notice::fileWillChange(resolved);
  const bool deleted = ::unlink(resolved.c_str()) == 0;
  change_notice::fileChanged(resolved);
  return deleted;
}

bool createFolder(std::string_view path) {
  const std::string resolved = paths::resolve(path);
  if (::mkdir(resolved.c_str(), 0755) == 0) return true;
  struct stat st{};
  return errno == EEXIST && statPath(resolved, st) && S_ISDIR(st.st_mode);
}

bool createFolders(std::string_view path) {
  if (isFolder(path)) return true;
  const std::string_view parent = paths::parentFolder(path);
  if (!parent.empty() && parent != path && !createFolders(parent)) return false;
  return createFolder(path);
}

namespace {

bool removeTree(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return false;
  bool ok = true;
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  for (const auto& name : names) {
    const std::string child = folder + "/" + name;
    struct stat st{};
    if (!statPath(child, st, false)) continue;
    // A link is removed itself; what it points to is never entered.
    if (S_ISDIR(st.st_mode)) {
      ok = removeTree(child) && ok;
    } else {
      const bool regular = S_ISREG(st.st_mode);
      if (regular) change_notice::fileWillChange(child);
      ok = (::unlink(child.c_str()) == 0) && ok;
      if (regular) change_notice::fileChanged(child);
    }
  }
  return (::rmdir(folder.c_str()) == 0) && ok;
}

}  // namespace

bool removeFolderRecursive(std::string_view path) {
  if (path.size() <= 9) return false;
  std::string resolved = paths::resolve(path);
  while (resolved.size() > 1 && resolved.back() == '/') resolved.pop_back();
  struct stat st{};
  if (!statPath(resolved, st, false)) return false;
  if (S_ISLNK(st.st_mode)) return ::unlink(resolved.c_str()) == 0;
  if (!S_ISDIR(st.st_mode)) return false;
  return removeTree(resolved);
}

std::vector<std::string> listFiles(std::string_view folder) { return listEntries(folder, anyName, isRegular); }

std::vector<std::string> listFilesWithExtension(std::string_view folder, std::string_view upperExtension) {
  const std::vector<std::string_view> wanted{upperExtension};
  return listFilesWithExtensions(folder, wanted);
}

std::vector<std::string> listFilesWithExtensions(std::string_view folder, std::span<const std::string_view> extensions) {
  std::vector<std::string> wanted;
  for (const auto extension : extensions) wanted.push_back(paths::upper(extension));
  const auto hasWantedExtension = [&](const std::string& name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    const std::string extension = paths::upper(std::string_view(name).substr(dot + 1));
    return std::find(wanted.begin(), wanted.end(), extension) != wanted.end();
  };
  return listEntries(folder, hasWantedExtension, isRegular);
}

std::vector<std::string> listFolders(std::string_view folder) {
  return listEntries(folder, anyName, [](const std::string&, const struct stat& st) { return S_ISDIR(st.st_mode); });
}

std::optional<FileTime> lastWriteTime(std::string_view path) {
  struct stat st{};
  if (!statPath(paths::resolve(path), st)) return std::nullopt;
  // Seconds between 1601-01-01 and 1970-01-01.
  constexpr std::uint64_t kEpochDifference = 11644473600ULL;
  const std::uint64_t ticks = (static_cast<std::uint64_t>(st.st_mtim.tv_sec) + kEpochDifference) * 10000000ULL +
                              static_cast<std::uint64_t>(st.st_mtim.tv_nsec) / 100;
  return FileTime::fromValue(ticks);
}

bool copyTree(std::string_view from, std::string_view to) {
  const std::string source = paths::resolve(from);
  if (!isFolder(source)) return false;
  std::error_code error;
  for (auto it = std::filesystem::recursive_directory_iterator(source, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    const std::string relative = std::filesystem::relative(it->path(), source, error).generic_string();
    const std::string target = std::string(to) + "/" + relative;
    if (!createFolders(paths::parentFolder(target)) || !copyFile(it->path().string(), target, true)) return false;
  }
  return !error;
}

}  // namespace tessera::files
