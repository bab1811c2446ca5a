#pragma once
// Opening files, folders and web addresses through the desktop, saying so when it fails. Without
// a desktop launcher (xdg-open) or a program behind it, the shell reports failure; the user is
// then told what did not open and what to install, instead of nothing happening.
#include <string>
#include <string_view>

namespace tessera {

// The shell's "open" verb on `target`; tells the user through the prompt when it fails.
bool OpenOrExplain(std::string_view target);
// The shell's "edit" verb on `file` with `program` (empty: the default application); tells the
// user through the prompt when it fails.
bool EditOrExplain(std::string_view file, std::string_view program);

// What the user is told when nothing could open `target` (a web address, a folder or a file).
std::string NothingOpenedMessage(std::string_view target);
// What the user is told when the chosen program `program` did not start.
std::string ProgramNotStartedMessage(std::string_view program);

}  // namespace tessera
