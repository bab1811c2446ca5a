#pragma once
// Values read from a skin that become paths must not lead out of the folder they are relative to.
#include <string_view>

namespace tessera {

// True for a relative path (either separator) without ".." components, drive letters or a
// leading separator.
bool IsSafeRelativePath(std::string_view value);

// True for a skin name that can be a folder of the skins folder: not empty, no separator, not
// "." or "..".
bool IsSafeSkinName(std::string_view name);

}  // namespace tessera
