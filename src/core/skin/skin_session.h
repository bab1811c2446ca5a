#pragma once
// The open skin: its working files, name and flags. The open skin's document owns them; every
// part of the program reads and writes skin keys through the section store over them.
#include <array>
#include <string>

#include "core/platform/system_colours.h"

namespace tessera {

inline constexpr std::size_t kMaxPath = 255;

struct SkinSession {
  std::string mainFile;                     // main working file ("~"); empty = no skin open
  std::array<std::string, 3> companionFiles;  // taskbar, shell, toolbar icons (AlternativeFile 1..3)
  std::string skinName;                     // empty = no skin open
  std::string openedPath;                   // the path as passed to the open command
  std::string chosenSubStyle;               // sub-style file chosen at open time, or empty
  int modified = 0;
  int framelessSkin = 0;
  int hasButtonCount = 0;
  int hasNoButtonCount = 1;
  ColorRef desktopColour = 0;

  bool isOpen() const { return !mainFile.empty(); }
};

// The session of the open skin's document (SkinDocument::session()). While no document is open,
// the session being set up for the next one: a new document takes it over and leaves it blank.
SkinSession& Session();
// The session no document owns yet.
SkinSession& PendingSession();

// Skin writes are refused until the editor enables them (the main window does this first thing);
// this holds for the process, whichever skin is open.
void EnableSkinWrites();
void DisableSkinWrites();
bool SkinWritesEnabled();

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
