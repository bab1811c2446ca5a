#pragma once
// "Test skin": closes a running tester, names the skin (and sub-style) for it in the engine's
// per-application settings file, then starts the tester from the data folder.
#include <string>

namespace tessera {

// The value of key "Skin" of section "UITEST.EXE" for the open skin: its folder name, with "\"
// and the current sub-style's number appended when the skin has more than one style.
std::string TesterSkinValue();

// Runs the three steps for the open skin; false when nothing is open or the tester cannot start.
bool TestSkin();

}  // namespace tessera
