#pragma once
// A private environment with a catalogue of the test's own and an open skin "S" whose working
// files the test writes.
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/profile.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera::testing {

class SheetEnvironmentTest : public EnvironmentTest {
 protected:
  // Writes a catalogue file of the data folder.
  std::string catalogue(std::string_view fileName, std::string_view text) {
    return temp.write("skins/Tessera7/" + std::string(fileName), text);
  }
  // Opens skin "S" with the given main working file and companion files (taskbar, shell).
  std::string openSkin(std::string_view mainText, std::string_view taskbarText = "", std::string_view shellText = "") {
    SkinSession& s = Session();
    s.mainFile = temp.write("skins/S/S.uis~", mainText);
    s.skinName = "S";
    s.companionFiles[0] = temp.write("skins/S/S.xp~", taskbarText);
    s.companionFiles[1] = temp.write("skins/S/S.xps~", shellText);
    s.companionFiles[2] = temp.write("skins/S/S.toolbarIcons~", "");
    return s.mainFile;
  }
  std::string mainFile() const { return Session().mainFile; }
  std::optional<std::string> skinValue(std::string_view section, std::string_view key) const {
    return profile::FindValue(section, key, Session().mainFile);
  }
};

}  // namespace tessera::testing
