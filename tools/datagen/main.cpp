// tessera-datagen: draws the data folder's pictures and makes the demo skins.
//
//   tessera-datagen --source <data/Tessera7> --out <skins folder>
//
// Writes <skins folder>/Tessera7 (the catalogue and templates of the source with every picture
// drawn) and the demo skins beside it. Every picture is drawn here with QPainter and written
// through the editor's own image writers; nothing in the repository is an opaque picture.
#include <QGuiApplication>
#include <cstdio>
#include <iostream>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/skin/skin_copy.h"
#include "core/skin/skin_session.h"
#include "demo_skins.h"
#include "interface_pictures.h"
#include "palette.h"
#include "skin_pictures.h"

using namespace tessera;

namespace {

int usage() {
  std::cerr << "usage: tessera-datagen --source <data folder> --out <skins folder>\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::string source, out;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--source") source = argv[i + 1];
    else if (option == "--out") out = argv[i + 1];
    else return usage();
  }
  if (source.empty() || out.empty()) return usage();

  // The demo skins are made with the editor's own skin copy, which writes through the section store.
  EnableSkinWrites();

  const std::string dataFolder = paths::join(out, kDataFolderName);
  files::removeFolderRecursive(dataFolder);
  if (!files::createFolders(dataFolder) ||
      !files::copyTree(source, dataFolder)) {
    std::cerr << "tessera-datagen: cannot copy " << source << " to " << dataFolder << '\n';
    return 1;
  }

  std::vector<std::string> problems;
  datagen::WriteInterfacePictures(dataFolder, problems);
  datagen::WritePreviewPictures(dataFolder, problems);
  datagen::WriteExamplePictures(dataFolder, problems);
  datagen::WriteSampleGraphics(dataFolder, problems);
  datagen::WriteToolbarSamples(dataFolder, problems);
  datagen::WriteSidePanel(dataFolder, problems);

  const std::string templates = TemplatesFolder(out);
  const datagen::Palette slate = datagen::PaletteNamed("Slate");
  for (const std::string& name : files::listFolders(templates)) {
    if (name == "Fonts") continue;
    const auto result = datagen::DrawSkinPictures(templates, name, dataFolder, slate);
    problems.insert(problems.end(), result.problems.begin(), result.problems.end());
  }
  const auto demos = datagen::MakeDemoSkins(out, problems);

  for (const std::string& problem : problems) std::cerr << "tessera-datagen: " << problem << '\n';
  if (!problems.empty()) return 1;
  std::cout << "tessera-datagen: data folder and " << demos.size() << " demo skins in " << out << '\n';
  return 0;
}
