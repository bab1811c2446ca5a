#pragma once
// Which skin the tester shows: the engine's per-application settings file "vlperapp.ini" of the
// skins folder names it in key "Skin" of section "UITEST.EXE" as the skin's folder, optionally
// followed by a backslash and the number of a sub-style.
#include <string>

namespace tessera::standin {

// The main file of that skin (or of its sub-style, section "SkinStyle<n>" of the skin's .SSD);
// empty when the value names no skin or would leave the skins folder. The editor's "~" working
// copy of that file is taken when there is one.
std::string TesterSkinPath(const std::string& skinsFolder);

}  // namespace tessera::standin
