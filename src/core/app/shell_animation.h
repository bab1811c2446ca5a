#pragma once
// Which animation the main window plays for a shell-animation entry ("Copy", "MoveFiles", ...):
// the skin's own clip, named by that key of section "Animations.Avis" in the skin's animation
// file (key `File` of section `Animations` of the main file), or the platform's standard clip
// whose number is `ID` of the entry in subsections.ini.
#include <string>

namespace tessera {

struct ShellAnimationChoice {
  std::string clip;      // the stored value (relative to the skins folder), or empty
  std::string fullPath;  // the clip's file when the value is safe to follow, else empty
  int standardId = 0;    // the platform clip used without a clip of the skin's own
};

ShellAnimationChoice ShellAnimationFor(const std::string& entryName);

}  // namespace tessera
