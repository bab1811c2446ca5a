// Random bytes as the files of a skin (main file, .SSD, sub-style file) and as catalogue files:
// layer chains, reference renaming, the sub-style manager's rows, the clean-skin scan and the
// catalogue readers must finish without crashing, whatever names and counts the bytes hold.
#include <stdlib.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/category_catalogue.h"
#include "core/skin/clean_skin.h"
#include "core/skin/editor_catalogue.h"
#include "core/skin/layer_chain.h"
#include "core/skin/skin_copy.h"
#include "core/skin/skin_session.h"
#include "core/skin/substyle_manager.h"

namespace {

using namespace tessera;

struct Environment {
  Environment() {
    dir.setAutoRemove(true);
    const std::string root = dir.path().toStdString();
    ::setenv("TESSERA_REGISTRY", (root + "/registry").c_str(), 1);
    skins = root + "/skins";
    data = skins + "/Tessera7";
    files::createFolders(data);
    files::createFolders(skins + "/Fz");
    WriteSetting(settings::InstalledPath, skins);
    ResetSkinsFolderCache();
    EnableSkinWrites();
    files::writeAllAtomic(skins + "/Fz/a.tga", "a");
    files::writeAllAtomic(skins + "/Fz/b.bmp", "b");
  }
  QTemporaryDir dir;
  std::string skins;
  std::string data;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  static Environment env;
  const std::string text(reinterpret_cast<const char*>(bytes), size);
  const std::string main = env.skins + "/Fz/Fz.uis";
  files::writeAllAtomic(main, text);
  files::writeAllAtomic(env.skins + "/Fz/Fz.SSD", text);
  files::writeAllAtomic(env.skins + "/Fz/x.sss", text);
  for (const char* name : {"subsections.ini", "sections.ini", "subsections2.ini", "statelist.ini", "extras.ini"}) {
    files::writeAllAtomic(env.data + "/" + name, text);
  }

  const auto sections = profile::SectionNames(main);
  for (std::size_t i = 0; i < sections.size() && i < 8; ++i) (void)ReadLayerChain(sections[i], main);

  SubStyleManager manager(env.skins, "Fz");
  const auto rows = manager.rows();
  for (int row = -1; row <= static_cast<int>(rows.size()) && row < 8; ++row) (void)manager.buttonsFor(row);
  (void)SubStylePickerResult(manager.file(), 1);
  (void)FindUnreferencedImages(env.skins, "Fz");

  const CategoryCatalogue categories(env.data);
  for (int n = 0; n < 3; ++n) {
    (void)categories.visibleEntries(n, SkinTraits::Of(main));
    (void)StateNames(env.data, n);
  }
  (void)categories.visibleCategories(1, true);
  for (std::size_t i = 0; i < sections.size() && i < 4; ++i) (void)ExtraSettingLines(env.data, sections[i]);

  RenameSkinReferences(main, "Fz", "Renamed");
  return 0;
}
