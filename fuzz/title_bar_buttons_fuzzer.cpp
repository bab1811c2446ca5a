// Random bytes as a skin's main file and as the visibility catalogue: listing the title-bar
// buttons, deleting and moving them, reading every page's keys and the conditions must finish
// without crashing, whatever counts, names and values the bytes hold, and a delete never loses
// a button section that lay inside the count.
#include <stdlib.h>

#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "core/pages/title_bar_button_keys.h"
#include "core/pages/title_bar_button_model.h"
#include "core/pages/visibility_catalogue.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"

namespace {

using namespace tessera;

struct Environment {
  Environment() {
    dir.setAutoRemove(true);
    const std::string root = dir.path().toStdString();
    ::setenv("TESSERA_REGISTRY", (root + "/registry").c_str(), 1);
    skins = root + "/skins";
    files::createFolders(skins + "/Tessera7");
    files::createFolders(skins + "/Fz");
    WriteSetting(settings::InstalledPath, skins);
    ResetSkinsFolderCache();
    EnableSkinWrites();
  }
  QTemporaryDir dir;
  std::string skins;
};

// Distinct button sections Button0 .. Button(below-1) the file holds (letter case ignored).
int buttonSections(const std::string& file, int below) {
  std::set<std::string> names;
  for (const std::string& name : profile::SectionNames(file)) names.insert(paths::lower(name));
  int n = 0;
  for (int i = 0; i < below; ++i) n += names.count(paths::lower(ButtonSectionName(i))) ? 1 : 0;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  static Environment env;
  const std::string text(reinterpret_cast<const char*>(bytes), size);
  const std::string main = env.skins + "/Fz/Fz.uis~";
  files::writeAllAtomic(main, text);
  files::writeAllAtomic(env.skins + "/Tessera7/Visibility.ini", text);
  Session() = SkinSession{};
  Session().mainFile = main;
  Session().skinName = "Fz";
  Session().hasButtonCount = size % 2;
  EnableSkinWrites();

  (void)ReadVisibilityCatalogue();
  const TitleBarButtonModel model;
  const auto rows = model.rows();
  for (std::size_t i = 0; i < rows.size() && i < 4; ++i) {
    const TitleBarButtonKeys keys(static_cast<int>(i), model.layout());
    (void)keys.readImage(model.defaultFrameCount());
    (void)keys.readActions();
    (void)keys.readPosition();
    (void)keys.readGlow();
    (void)keys.readVisibility();
  }
  if (!rows.empty()) {
    model.moveDown(0);
    model.moveUp(static_cast<int>(rows.size()) - 1);
    // Within a small count, a delete takes away exactly the deleted button's section.
    const int stored = model.storedCount();
    const int row = static_cast<int>(size % rows.size());
    const bool small = stored <= 64;
    const int before = small ? buttonSections(main, stored) : 0;
    const int deleted = small ? buttonSections(main, row + 1) - buttonSections(main, row) : 0;
    model.remove(row);
    if (small && buttonSections(main, stored - 1) != before - deleted) abort();
  }
  (void)model.rows();
  return 0;
}
