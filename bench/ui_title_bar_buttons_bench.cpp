// Choosing another button in the "Button to modify :" list of the title-bar button pages on a
// demo skin given 40 buttons: the page loads the button's values, then the preview refresh that
// follows an edit runs (the skin reloaded into the preview library and the previews repainted).
// Each reports its median, the figure a user feels on every click.
#include <benchmark/benchmark.h>

#include "median.h"

#include "qt_bench_main.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "core/skin/skin_document.h"
#include "core/app/demo_environment.h"
#include "core/app/preview_engine.h"
#include "core/app/skin_actions.h"
#include "core/engine/engine_startup.h"
#include "core/pages/title_bar_button_model.h"
#include "core/platform/environment.h"
#include "core/platform/profile.h"
#include "core/platform/profile_sections.h"
#include "core/platform/settings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "ui/editor/section_editor_context.h"
#include "ui/pages/button_actions_page.h"
#include "ui/pages/button_image_page.h"
#include "ui/sheet/refresh_timer.h"

namespace {

using namespace tessera;

constexpr int kButtons = 40;

// The demo skin Copperline with 40 title-bar buttons, as the main window leaves it open.
struct DemoSkinWithButtons {
  DemoSkinWithButtons() {
    const DemoLayout layout =
        LayOutDemoEnvironment(dir.path().toStdString(), {TESSERA_BENCH_ENGINE_DIR, TESSERA_BENCH_SKINS_DIR});
    ready = layout.ok;
    if (!ready) return;
    WriteSetting(settings::FirstRun, "0");
    WriteSetting(settings::UIMode, "1");
    ResetSkinsFolderCache();
    ready = LoadEngineModules() == EngineStartup::Ready;
    if (!ready) return;
    BindPreviewLibrary(Engine().previewLibrary);
    EnableSkinWrites();
    ready = OpenSkin(SkinMainFilePath("Copperline"), BeforeOpen::Reset, nullptr).opened;
    if (!ready) return;
    const TitleBarButtonModel model;
    const std::string& file = Session().mainFile;
    const auto first = profile::ReadSection(ButtonSectionName(0), file);
    std::vector<profile::SectionWrite> writes;
    for (int i = 1; i < kButtons; ++i) writes.push_back({ButtonSectionName(i), first});
    profile::WriteSections(writes, file);
    WriteSkinString(ButtonCountSection(model.layout()), "ButtonCount", std::to_string(kButtons), file);
  }
  QTemporaryDir dir;
  bool ready = false;
};

DemoSkinWithButtons& demo() {
  static DemoSkinWithButtons instance;
  return instance;
}

class BenchEditor final : public ui::SectionEditorContext {
 public:
  std::string currentSection() const override { return "Personality.Buttons"; }
  std::string currentTopLevelSection() const override { return "Personality.Buttons"; }
  void setCurrentSection(const std::string&) override {}
  void requestSheetRebuild() override {}
  void repaintLargePreview() override {}
  QWidget* editorWindow() override { return nullptr; }
  SkinDocument* document() const override { return SkinDocument::current(); }
};

using bench::median;

template <typename Page>
void switchButtons(benchmark::State& state) {
  if (!demo().ready) {
    state.SkipWithError("the demo skin did not open");
    return;
  }
  BenchEditor editor;
  Page page(editor);
  page.resize(600, 500);
  page.show();
  QApplication::processEvents();
  std::vector<double> times;
  int row = 0;
  for (auto _ : state) {
    row = (row + 7) % kButtons;
    QElapsedTimer timer;
    timer.start();
    page.buttonList()->setCurrentIndex(row);
    emit page.buttonList()->activated(row);
    page.refreshTimer()->start();
    page.refreshTimer()->flush();
    page.repaint();
    const double seconds = timer.nsecsElapsed() / 1e9;
    state.SetIterationTime(seconds);
    times.push_back(seconds);
  }
  state.counters["median_ms"] = 1000 * median(times);
  state.counters["slowest_ms"] = 1000 * *std::max_element(times.begin(), times.end());
}

void BM_SwitchButtonOnImagePage(benchmark::State& state) { switchButtons<ui::ButtonImagePage>(state); }
BENCHMARK(BM_SwitchButtonOnImagePage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

void BM_SwitchButtonOnActionsPage(benchmark::State& state) { switchButtons<ui::ButtonActionsPage>(state); }
BENCHMARK(BM_SwitchButtonOnActionsPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace

int main(int argc, char** argv) { return tessera::bench::RunQtBenchmarks(argc, argv); }
