#pragma once
// Names the user gives to skins and sub-styles become folder and file names: they are checked
// before anything is created, renamed or deleted.
#include <string>
#include <string_view>

namespace tessera {

// Empty when `name` can name a skin folder or sub-style file on every platform the engine runs
// on; otherwise the message that says what is wrong.
std::string SkinNameProblem(std::string_view name);

}  // namespace tessera
