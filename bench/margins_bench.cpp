// The "Painting margins" window's road after one margin change: the key written (and journalled,
// as in the editor), the section closed and loaded again by the preview library, and the preview
// of a 512 x 512 section composed at 800 x 600 with the margin marks and the grid. Run with
// --benchmark_repetitions to get medians.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "core/app/preview_engine.h"
#include "core/app/qimage_bridge.h"
#include "core/app/skin_actions.h"
#include "core/image/image_file.h"
#include "core/pages/margins_editor.h"
#include "core/pages/painting_keys.h"
#include "core/pages/painting_preview.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/sheet/section_preview.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"

namespace {

using namespace tessera;

// A skin "Bench" whose section "Panel" paints a 512 x 512 bevelled picture with margins.
class MarginsBenchSkin {
 public:
  MarginsBenchSkin() {
    const std::string root = dir_.path().toStdString();
    ::setenv("TESSERA_REGISTRY", (root + "/registry").c_str(), 1);
    const std::string skins = root + "/skins";
    const std::string folder = skins + "/Bench";
    files::createFolders(skins + "/Tessera7");
    files::createFolders(folder);
    WriteSetting(settings::InstalledPath, skins);
    ResetSkinsFolderCache();
    profile::ClearCache();
    files::writeAllAtomic(skins + "/Tessera7/subsections.ini", "[Panel]\r\nImageCount=1\r\n");
    QImage picture(512, 512, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
      QPainter p(&picture);
      QLinearGradient g(0, 0, 0, 512);
      g.setColorAt(0, QColor(90, 140, 220));
      g.setColorAt(1, QColor(20, 40, 90));
      p.setBrush(g);
      p.setPen(QPen(QColor(10, 20, 50), 6));
      p.drawRoundedRect(QRect(3, 3, 505, 505), 24, 24);
    }
    if (const auto buffer = FromQImage(picture)) SaveImageFile(folder + "/panel.tga", *buffer, false);
    files::writeAllAtomic(folder + "/Bench.uis",
                          "[TitlebarSkin]\r\nSkinName=Bench\r\n[Panel]\r\nImage=bench\\panel.tga\r\nPerPixel=1\r\n"
                          "TopHeight=32\r\nBottomHeight=32\r\nLeftWidth=32\r\nRightWidth=32\r\nTile=1\r\n");
    mainFile_ = folder + "/Bench.uis";
    folder_ = folder;
    module_.load(ModulePath(TESSERA_BENCH_ENGINE_DIR, "vuzudiv"));
  }
  const std::string& mainFile() const { return mainFile_; }
  const std::string& folder() const { return folder_; }
  const DynamicLibrary& module() const { return module_; }

 private:
  QTemporaryDir dir_;
  std::string mainFile_;
  std::string folder_;
  DynamicLibrary module_;
};

MarginsBenchSkin& Skin() {
  static MarginsBenchSkin skin;
  return skin;
}

void BM_MarginChangeToRepaintedPreview(benchmark::State& state) {
  MarginsBenchSkin& skin = Skin();
  BindPreviewLibrary(skin.module());
  const OpenResult opened = OpenSkin(skin.mainFile(), BeforeOpen::Nothing, [](const std::string&) { return ""; });
  if (!opened.opened || !Preview().isBound()) {
    state.SkipWithError("the bench skin did not open");
    return;
  }
  Preview().LoadUISFile(Session().mainFile);
  auto document = std::make_unique<SkinDocument>(skin.folder());
  ReloadSectionPreview("Panel", "Panel");
  PaintingPreviewOptions options;
  options.grid = true;
  options.margins = true;
  options.edgeGrip = true;
  // A preview the library left empty would make the figure meaningless.
  const QImage probe = ComposePaintingPreview(QSize(800, 600), options);
  const QColor middle = probe.pixelColor(400, 300);
  if (middle.blue() <= middle.red() + 20) {
    state.SkipWithError("the library drew nothing");
    return;
  }
  int round = 0;
  for (auto _ : state) {
    WriteSizingMargin("Panel", kTopEdge, 24 + (round++ & 15));
    document->commitPendingStep();
    ReloadSectionPreview("Panel", "Panel");
    QImage shown = ComposePaintingPreview(QSize(800, 600), options);
    benchmark::DoNotOptimize(shown.bits());
  }
  document.reset();
  Preview().CloseSection();
  ResetSkin();
}
BENCHMARK(BM_MarginChangeToRepaintedPreview)->Unit(benchmark::kMillisecond);

// The same preview composed without a change: what a repaint alone costs.
void BM_MarginsPreviewRepaintOnly(benchmark::State& state) {
  MarginsBenchSkin& skin = Skin();
  BindPreviewLibrary(skin.module());
  const OpenResult opened = OpenSkin(skin.mainFile(), BeforeOpen::Nothing, [](const std::string&) { return ""; });
  if (!opened.opened) {
    state.SkipWithError("the bench skin did not open");
    return;
  }
  Preview().LoadUISFile(Session().mainFile);
  ReloadSectionPreview("Panel", "Panel");
  PaintingPreviewOptions options;
  options.grid = true;
  options.margins = true;
  for (auto _ : state) {
    QImage shown = ComposePaintingPreview(QSize(800, 600), options);
    benchmark::DoNotOptimize(shown.bits());
  }
  Preview().CloseSection();
  ResetSkin();
}
BENCHMARK(BM_MarginsPreviewRepaintOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
