#include "core/platform/paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

namespace tessera::paths {

bool isSeparator(char c) { return c == '/' || c == '\\'; }

std::size_t lastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i-- > 0;) {
    if (isSeparator(path[i])) return i;
  }
  return std::string_view::npos;
}

std::string_view fileName(std::string_view path) {
  const auto sep = lastSeparator(path);
  return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string_view parentFolder(std::string_view path) {
  const auto sep = lastSeparator(path);
  return sep == std::string_view::npos ? std::string_view{} : path.substr(0, sep);
}

std::string_view stem(std::string_view path) {
  const auto name = fileName(path);
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(0, dot);
}

std::string_view extension(std::string_view path) {
  const auto name = fileName(path);
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
}

std::string_view withoutExtension(std::string_view path) {
  const auto name = fileName(path);
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) return path;
  return path.substr(0, path.size() - (name.size() - dot));
}

std::string toNative(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

std::string toStored(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '/', '\\');
  return out;
}

std::string join(std::string_view head, std::string_view tail) {
  std::string out = toNative(head);
  while (out.size() > 1 && out.back() == kNativeSeparator) out.pop_back();
  std::size_t start = 0;
  while (start < tail.size() && isSeparator(tail[start])) ++start;
  if (!out.empty() && out.back() != kNativeSeparator) out += kNativeSeparator;
  out += toNative(tail.substr(start));
  return out;
}

static char lowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = upperChar(c);
  return out;
}

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lowerChar(c);
  return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (upperChar(a[i]) != upperChar(b[i])) return false;
  }
  return true;
}

namespace {

bool existsOnDisk(const std::string& path) {
  struct stat st{};
  return ::lstat(path.c_str(), &st) == 0;
}

// The on-disk name in `folder` matching `name` case-insensitively; an exact match wins.
std::string findEntry(const std::string& folder, std::string_view name) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return {};
  std::string found;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view candidate(entry->d_name);
    if (candidate == name) {
      found = candidate;
      break;
    }
    if (found.empty() && equalsIgnoreCase(candidate, name)) found = candidate;
  }
  ::closedir(dir);
  return found;
}

}  // namespace

std::string resolve(std::string_view path) {
  std::string native = toNative(path);
  if (native.empty() || existsOnDisk(native)) return native;

  // Walk component by component from the root (or the current folder for relative paths).
  std::vector<std::string_view> parts;
  std::string_view rest(native);
  const bool absolute = rest.front() == '/';
  std::size_t pos = 0;
  while (pos <= rest.size()) {
    const auto next = rest.find('/', pos);
    const auto end = next == std::string_view::npos ? rest.size() : next;
    if (end > pos) parts.push_back(rest.substr(pos, end - pos));
    if (next == std::string_view::npos) break;
    pos = next + 1;
  }

  std::string current = absolute ? "/" : "";
  bool missing = false;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string_view part = parts[i];
    std::string name(part);
    if (!missing && part != "." && part != "..") {
      const std::string probe = current + name;
      if (!existsOnDisk(probe)) {
        const std::string match = findEntry(current.empty() ? "." : current, part);
        if (match.empty()) {
          missing = true;
        } else {
          name = match;
        }
      }
    }
    current += name;
    if (i + 1 < parts.size()) current += '/';
  }
  if (native.size() > 1 && native.back() == '/') current += '/';
  return current;
}

}  // namespace tessera::paths
