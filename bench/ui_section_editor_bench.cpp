// The section editor on a demo skin: opening it on an entry (construction until the first paint)
// and "Next ==>" to the following section of the linear order, and undo and redo with a page
// open. Each reports its median, the figure a user feels on every click.
#include <benchmark/benchmark.h>

#include "median.h"

#include "qt_bench_main.h"
#include <stdlib.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "core/app/demo_environment.h"
#include "core/app/preview_engine.h"
#include "core/app/skin_actions.h"
#include "core/editor/task_pane.h"
#include "core/engine/engine_startup.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/settings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "ui/editor/section_editor_window.h"

namespace {

using namespace tessera;

// The entry the editor opens on: a frame section with pictures, previews and several pages.
constexpr const char* kEntry = "Borders";

// The demo environment with its skin Copperline open, as the main window leaves it.
struct OpenDemoSkin {
  OpenDemoSkin() {
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
    ready = OpenSkin(SkinMainFilePath("Copperline"), BeforeOpen::Reset, nullptr).opened;
  }
  QTemporaryDir dir;
  bool ready = false;
};

OpenDemoSkin& demo() {
  static OpenDemoSkin instance;
  return instance;
}

using bench::median;

// Shows the window and lets it lay out and paint once.
void showAndPaint(QWidget& window) {
  window.show();
  QApplication::processEvents();
  window.repaint();
}

void BM_OpenSectionEditor(benchmark::State& state) {
  if (!demo().ready) {
    state.SkipWithError("the demo skin did not open");
    return;
  }
  std::vector<double> times;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    auto* editor = new ui::SectionEditorWindow(SkinDocument::current(), kEntry);
    showAndPaint(*editor);
    const double seconds = timer.nsecsElapsed() / 1e9;
    state.SetIterationTime(seconds);
    times.push_back(seconds);
    delete editor;
    QApplication::processEvents();
  }
  state.counters["median_ms"] = 1000 * median(times);
}
BENCHMARK(BM_OpenSectionEditor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

// "Next ==>" walks the linear order from the entry, a different section (and often a different
// set of pages) each step.
void BM_NextSection(benchmark::State& state) {
  if (!demo().ready) {
    state.SkipWithError("the demo skin did not open");
    return;
  }
  ui::SectionEditorWindow editor(SkinDocument::current(), kEntry);
  showAndPaint(editor);
  std::vector<double> times;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    editor.taskPaneClick(kNextEntryIndex);
    QApplication::processEvents();
    editor.repaint();
    const double seconds = timer.nsecsElapsed() / 1e9;
    state.SetIterationTime(seconds);
    times.push_back(seconds);
  }
  state.counters["median_ms"] = 1000 * median(times);
  state.counters["slowest_ms"] = 1000 * *std::max_element(times.begin(), times.end());
}
BENCHMARK(BM_NextSection)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

// Reopens the demo skin with 3000 more sections in its main file, so that reading and writing
// the file costs what it costs on a large skin.
bool growDemoSkin() {
  const std::string main = SkinMainFilePath("Copperline");
  auto text = files::readAll(main);
  if (!text) return false;
  for (int i = 0; i < 3000; ++i) {
    *text += "\r\n[Filler" + std::to_string(i) + "]\r\nImage=copperline\\filler" + std::to_string(i) +
             ".tga\r\nTopHeight=4\r\nBottomHeight=4\r\nFontColour=12 34 56\r\n";
  }
  return files::writeAllAtomic(main, *text) && OpenSkin(main, BeforeOpen::Reset, nullptr).opened;
}

// Undo and redo of one key step while the editor is open on the section, on a 3000-section
// skin: the journal puts the file back, the open page reloads its keys in place and the window
// reloads the skin. Runs last, as it grows the demo skin.
void BM_UndoRedoWithOpenPage(benchmark::State& state) {
  if (!demo().ready || !growDemoSkin()) {
    state.SkipWithError("the demo skin did not open");
    return;
  }
  SkinDocument* document = SkinDocument::current();
  ui::SectionEditorWindow editor(document, kEntry);
  showAndPaint(editor);
  const std::string section = editor.currentSection();
  const int before = ReadSkinInt(section, "TopHeight", 0, Session().mainFile);
  WriteSkinString(section, "TopHeight", std::to_string(before + 3), Session().mainFile);
  QApplication::processEvents();
  std::vector<double> times;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    document->undoStack()->undo();
    QApplication::processEvents();
    document->undoStack()->redo();
    QApplication::processEvents();
    const double seconds = timer.nsecsElapsed() / 2e9;  // one undo or one redo
    state.SetIterationTime(seconds);
    times.push_back(seconds);
  }
  document->undoStack()->undo();
  QApplication::processEvents();
  state.counters["median_ms"] = 1000 * median(times);
}
BENCHMARK(BM_UndoRedoWithOpenPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

}  // namespace

int main(int argc, char** argv) { return tessera::bench::RunQtBenchmarks(argc, argv); }
