#pragma once
// "Test skin": closes a running tester, names the skin (and sub-style) for it in the engine's
// per-application settings file, then starts the tester from the data folder.
//
// The tester is a single-instance program: its running copy listens on a local server named by
// ProgramServerName and takes one request a line. A later start of the tester asks it to show
// the skin again ("activate"); "Test skin" asks it to close ("close") and waits for its answer.
#include <string>
#include <string_view>

namespace tessera {

// The value of key "Skin" of section "UITEST.EXE" for the open skin: its folder name, with "\"
// and the current sub-style's number appended when the skin has more than one style.
std::string TesterSkinValue();
// The same for any skin: `editedFile` is the skin file being edited (the main file, a sub-style
// file, or either with the working mark "~"); it picks the sub-style number.
std::string TesterSkinValue(std::string_view skinName, std::string_view editedFile);

// Runs the three steps for the open skin; false when nothing is open or the tester cannot start.
bool TestSkin();
// Runs the three steps for the named skin of the skins folder, as if its main file were open.
bool TestSkinNamed(std::string_view skinName);

// The local server of a running stand-in program: one per program, user and skins folder, so
// that programs of another environment (a test's private skins folder) never answer.
std::string ProgramServerName(std::string_view program, std::string_view skinsFolder);

inline constexpr std::string_view kTesterProgramKey = "uitest";
inline constexpr std::string_view kActivateRequest = "activate";
inline constexpr std::string_view kCloseRequest = "close";
inline constexpr std::string_view kClosedReply = "closed";

// Asks the tester of the current skins folder to close and waits (briefly) until it has; false
// when no tester answered. Never blocks for long when none runs.
bool CloseRunningTester();

}  // namespace tessera
