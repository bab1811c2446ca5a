#pragma once
// The choice of video for one of the small animations the desktop shows during file operations.
// The skin's main file names an animation file ([Animations] File, relative to the skins
// folder); its [Animations.Avis] maps each animation's name to a video of the skin folder
// (relative to the skins folder), and a missing key means the system's own animation.
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

// The list's first entry: the system's own animation.
inline constexpr const char* kSystemAnimationEntry = "OS default image";

struct ShellAnimationChoice {
  std::string name;            // the animation's catalogue name ("Copy")
  std::string caption;         // catalogue Description, default the name
  int systemClip = 0;          // catalogue ID: the number of the system's own animation
  std::string animationFileValue;  // [Animations] File as the main file holds it
  std::string animationFile;   // its full path; empty when there is none or it leaves the skins folder
  // kSystemAnimationEntry, then the skin folder's .avi files relative to the skins folder in
  // lower case, sorted; a stored choice that is no such file follows them, so it is kept.
  std::vector<std::string> entries;
  int selected = 0;
};

// Reads the list and the stored choice of animation `name` for the open skin.
ShellAnimationChoice ReadShellAnimation(std::string_view name);

// Full path of the video an entry plays; empty for the system's own animation and for values
// that would lead out of the skins folder.
std::string ShellAnimationVideo(const ShellAnimationChoice& choice, int entry);

// Stores entry `entry` (0: deletes the key, so the system's animation is used) in the animation
// file, through the skin's write doors. False when the skin names no animation file.
bool StoreShellAnimation(const ShellAnimationChoice& choice, int entry);

}  // namespace tessera
