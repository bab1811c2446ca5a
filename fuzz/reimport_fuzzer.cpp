// Random bytes as a skin's reimport.lst, link index and cut list: the re-import pass must never
// write outside the skins folder, whatever names and rectangles the files hold.
#include <stdlib.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/image/cut_links.h"
#include "core/image/image_file.h"
#include "core/image/reimport_list.h"
#include "core/image/reimport_pass.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"

namespace {

struct Environment {
  QTemporaryDir root;
  std::string skins;
  std::string source;
  Environment() {
    ::setenv("TESSERA_REGISTRY", (root.path() + "/registry").toLocal8Bit().constData(), 1);
    skins = root.path().toStdString() + "/skins";
    tessera::files::createFolders(skins + "/Fuzz");
    tessera::WriteSetting(tessera::settings::InstalledPath, skins);
    tessera::ResetSkinsFolderCache();
    tessera::Session().skinName = "Fuzz";
    tessera::Session().mainFile = skins + "/Fuzz/Fuzz.uis~";
    tessera::EnableSkinWrites();
    source = root.path().toStdString() + "/source.tga";
    auto picture = tessera::CreateImage(4, 4);
    picture->fill(0xff102030u);
    tessera::SaveImageFile(source, *picture, false);
  }
};

// Everything under the temporary root except the skins folder must stay as it was.
std::size_t filesOutsideSkins(const std::string& root) {
  std::size_t count = 0;
  for (const auto& name : tessera::files::listFiles(root)) (void)name, ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Environment env;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string rootPath = env.root.path().toStdString();

  // The bytes serve as the re-import list and as the cut list of a real source, whose link index
  // always asks for a re-cut.
  tessera::files::writeAllAtomic(env.skins + "/Fuzz/reimport.lst", text);
  tessera::files::writeAllAtomic(tessera::CutListPath(env.source), text);
  tessera::files::writeAllAtomic(tessera::CutLinkIndexPath(), "[" + env.source + "]\r\nLinked=1\r\n");
  const std::size_t before = filesOutsideSkins(rootPath);
  const auto report = tessera::RunReimportPass();
  for (const std::string& written : report.rewritten) {
    if (!tessera::IsInsideFolder(written, env.skins)) __builtin_trap();
  }
  if (filesOutsideSkins(rootPath) != before) __builtin_trap();
  QDir(QString::fromStdString(env.skins + "/Fuzz")).removeRecursively();
  tessera::files::createFolders(env.skins + "/Fuzz");
  return 0;
}
