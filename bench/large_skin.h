#pragma once
// A skin of 3000 sections (about 200 KB) in a temporary skins folder, opened as the session's
// main file with a catalogue: the large skin the store and journal benchmarks work on.
#include <stdlib.h>

#include <QTemporaryDir>
#include <string>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"

namespace tessera::bench {

constexpr int kSections = 3000;

class LargeSkin {
 public:
  // `extraSections` is appended after the 3000 sections.
  explicit LargeSkin(const std::string& extraSections = {}) {
    dir_.setAutoRemove(true);
    const std::string root = dir_.path().toStdString();
    ::setenv("TESSERA_REGISTRY", (root + "/registry").c_str(), 1);
    files::createFolders(root + "/skins/Tessera7");
    files::createFolders(root + "/skins/Big");
    WriteSetting(settings::InstalledPath, root + "/skins");
    ResetSkinsFolderCache();
    std::string text;
    for (int i = 0; i < kSections; ++i) {
      text += "[Section" + std::to_string(i) + "]\r\nImage=big\\picture" + std::to_string(i) +
              ".tga\r\nTopHeight=4\r\nBottomHeight=4\r\nFontColour=12 34 56\r\n\r\n";
    }
    text += extraSections;
    main_ = root + "/skins/Big/Big.uis~";
    files::writeAllAtomic(main_, text);
    files::writeAllAtomic(root + "/skins/Tessera7/subsections.ini", "[Taskbar]\r\nAlternativeFile=1\r\n");
    size_ = text.size();
    Session() = SkinSession{};
    Session().mainFile = main_;
    Session().skinName = "Big";
    for (int i = 0; i < 3; ++i) Session().companionFiles[i] = root + "/skins/Big/c" + std::to_string(i) + "~";
    EnableSkinWrites();
  }
  const std::string& main() const { return main_; }
  std::string folder() const { return dir_.path().toStdString() + "/skins/Big"; }
  std::size_t size() const { return size_; }

 private:
  QTemporaryDir dir_;
  std::string main_;
  std::size_t size_ = 0;
};

}  // namespace tessera::bench
