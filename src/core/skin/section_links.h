#pragma once
// Sections a new picture can be associated with ("Update section"): the sections of the main
// working file and of its two window-shell companions, each with the file that holds it.
#include <string>
#include <vector>

namespace tessera {

// Which file holds a linkable section. The numbers are those the image tools store.
enum class LinkFile { Main = 0, Shell = 1, Taskbar = 2 };

struct LinkableSection {
  std::string name;
  LinkFile file = LinkFile::Main;
};

// In order: the main file's sections (without XPShell, XPTaskbar and TitlebarSkin, ignoring case),
// then the taskbar companion's, then the shell companion's (both without XPShell and XPTaskbar).
std::vector<LinkableSection> LinkableSections();

// The working file behind a link code: the main working file, or the working companion that the
// File key of XPShell (1) or XPTaskbar (2) names, as the open skin resolved it. Empty when no skin
// is open or the code is unknown.
std::string LinkFilePath(int code);

}  // namespace tessera
