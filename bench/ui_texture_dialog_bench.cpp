// The texture editors on a demo skin whose folder holds 500 extra pictures: opening the window
// with its lists filled (construction until the first paint; row pictures load as rows are drawn).
#include <benchmark/benchmark.h>

#include "median.h"

#include "qt_bench_main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "core/skin/skin_document.h"
#include "core/app/demo_environment.h"
#include "core/app/preview_engine.h"
#include "core/app/qimage_bridge.h"
#include "core/app/skin_actions.h"
#include "core/engine/engine_startup.h"
#include "core/image/image_file.h"
#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"
#include "ui/textures/frameless_frames_dialog.h"
#include "ui/textures/texture_dialog.h"
#include "ui/textures/texture_list.h"
#include "ui/textures/texture_picker.h"

namespace {

using namespace tessera;

constexpr int kExtraPictures = 500;

// The demo environment with Copperline open and 500 textures of 128 x 64 added to its folder.
struct SkinWithManyPictures {
  SkinWithManyPictures() {
    const DemoLayout layout =
        LayOutDemoEnvironment(dir.path().toStdString(), {TESSERA_BENCH_ENGINE_DIR, TESSERA_BENCH_SKINS_DIR});
    ready = layout.ok;
    if (!ready) return;
    WriteSetting(settings::FirstRun, "0");
    ResetSkinsFolderCache();
    ready = LoadEngineModules() == EngineStartup::Ready;
    if (!ready) return;
    BindPreviewLibrary(Engine().previewLibrary);
    EnableSkinWrites();
    const std::string folder = paths::join(GetSkinsFolder(), "Copperline");
    QImage picture(128, 64, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < kExtraPictures && ready; ++i) {
      picture.fill(QColor::fromHsv(i % 360, 200, 200));
      const std::string name = "texture" + std::to_string(1000 + i) + (i % 2 ? ".tga" : ".bmp");
      ready = SaveImageFile(paths::join(folder, name), *FromQImage(picture), i % 2 == 0);
    }
    ready = ready && OpenSkin(SkinMainFilePath("Copperline"), BeforeOpen::Reset, nullptr).opened;
  }
  QTemporaryDir dir;
  bool ready = false;
};

SkinWithManyPictures& skin() {
  static SkinWithManyPictures instance;
  return instance;
}

using bench::median;

template <typename Dialog>
void openDialog(benchmark::State& state) {
  if (!skin().ready) {
    state.SkipWithError("the demo skin with its pictures was not made");
    return;
  }
  std::vector<double> times;
  int listed = 0;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    auto* dialog = new Dialog(SkinDocument::current());
    dialog->show();
    QApplication::processEvents();
    dialog->repaint();
    const double seconds = timer.nsecsElapsed() / 1e9;
    state.SetIterationTime(seconds);
    times.push_back(seconds);
    listed = dialog->pickers().front()->list()->count();
    dialog->reject();
    delete dialog;
    QApplication::processEvents();
  }
  state.counters["median_ms"] = 1000 * median(times);
  state.counters["slowest_ms"] = 1000 * *std::max_element(times.begin(), times.end());
  state.counters["rows"] = listed;
}

void BM_OpenTextureDialog(benchmark::State& state) { openDialog<ui::TextureDialog>(state); }
BENCHMARK(BM_OpenTextureDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

void BM_OpenFramelessFramesDialog(benchmark::State& state) { openDialog<ui::FramelessFramesDialog>(state); }
BENCHMARK(BM_OpenFramelessFramesDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace

int main(int argc, char** argv) { return tessera::bench::RunQtBenchmarks(argc, argv); }
