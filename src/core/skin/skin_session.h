#pragma once
// The open skin: its working files, name and flags. There is one session for the process; every
// part of the program reads and writes skin keys through the section store over it.
#include <array>
#include <string>

#include "core/platform/system_colours.h"

namespace tessera {

inline constexpr int kWritesEnabledMarker = 0x300;
inline constexpr std::size_t kMaxPath = 255;

struct SkinSession {
  std::string mainFile;                     // main working file ("~"); empty = no skin open
  std::array<std::string, 3> companionFiles;  // taskbar, shell, toolbar icons (AlternativeFile 1..3)
  std::string cataloguePath;                // <skins folder>/Tessera7/subsections.ini, built once
  std::string skinName;                     // empty = no skin open
  std::string openedPath;                   // the path as passed to the open command
  std::string chosenSubStyle;               // sub-style file chosen at open time, or empty
  int modified = 0;
  int writesEnabled = 0;
  int framelessSkin = 0;
  int hasButtonCount = 0;
  int hasNoButtonCount = 1;
  ColorRef desktopColour = 0;

  bool isOpen() const { return !mainFile.empty(); }
};

// The session of this process.
SkinSession& Session();
// Marks skin writes as enabled (the main window does this first thing).
void EnableSkinWrites();

// Companion roles in routing order: AlternativeFile 1, 2, 3.
struct CompanionRole {
  const char* section;    // the main file's section whose File key names the companion
  const char* extension;  // extension of its default name
};
inline constexpr std::array<CompanionRole, 3> kCompanionRoles = {{
    {"XPTaskbar", ".xp"},
    {"XPShell", ".xps"},
    {"ToolbarIcons", ".toolbarIcons"},
}};

}  // namespace tessera
