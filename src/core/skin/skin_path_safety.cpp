#include "core/skin/skin_path_safety.h"

#include "core/platform/paths.h"

namespace tessera {

bool IsSafeRelativePath(std::string_view value) {
  if (value.empty()) return true;
  if (paths::isSeparator(value.front())) return false;
  if (value.size() >= 2 && value[1] == ':') return false;
  std::size_t pos = 0;
  while (pos <= value.size()) {
    std::size_t end = pos;
    while (end < value.size() && !paths::isSeparator(value[end])) ++end;
    std::string_view part = value.substr(pos, end - pos);
    while (!part.empty() && (part.back() == ' ' || part.back() == '.') && part != "." && part != "..") {
      part.remove_suffix(1);
    }
    if (part == "..") return false;
    if (end >= value.size()) break;
    pos = end + 1;
  }
  return true;
}

bool IsSafeSkinName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    if (paths::isSeparator(c) || c == ':' || c == '\0') return false;
  }
  return true;
}

}  // namespace tessera
