#include "core/skin/skin_names.h"

#include <array>

#include "core/platform/paths.h"
#include "core/skin/skin_path_safety.h"

namespace tessera {

namespace {

// The longest file made from a name is "<name>.uis~"; file names hold at most 255 bytes.
constexpr std::size_t kMaxNameLength = 255 - 5;

constexpr std::string_view kRefusedCharacters = "\\/:*?\"<>|";

bool isReservedDeviceName(std::string_view name) {
  const std::string base = paths::upper(name.substr(0, name.find('.')));
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  for (const auto reserved : kPlain) {
    if (base == reserved) return true;
  }
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' && base[3] <= '9';
}

}  // namespace

std::string SkinNameProblem(std::string_view name) {
  if (name.empty()) return "Please enter a name.";
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 32 || kRefusedCharacters.find(c) != std::string_view::npos) {
      return "A name cannot contain \\ / : * ? \" < > | or control characters.";
    }
  }
  if (name.find("..") != std::string_view::npos || name == ".") return "A name cannot contain \"..\".";
  if (name.back() == '.' || name.back() == ' ' || name.front() == ' ') {
    return "A name cannot begin with a space or end with a dot or a space.";
  }
  if (name.size() > kMaxNameLength) return "That name is too long.";
  if (isReservedDeviceName(name)) return "That name is reserved by the system.";
  if (!IsSafeSkinName(name)) return "That name cannot be used.";
  return {};
}

}  // namespace tessera
