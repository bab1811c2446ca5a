// The editor's start-up to its main window on the demo environment, against an empty Qt dialog
// application started the same way; and opening a demo skin with every step of Open.
#include <benchmark/benchmark.h>

#include "median.h"
#include "qt_bench_main.h"
#include <stdlib.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <vector>

#include "core/app/preview_engine.h"
#include "core/app/skin_actions.h"
#include "core/engine/engine_startup.h"
#include "core/platform/environment.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"

namespace {

using namespace tessera;

struct Demo {
  Demo() {
    QProcess cli;
    cli.start(QStringLiteral(TESSERA_BENCH_CLI), {QStringLiteral("demo"), dir.path()});
    cli.waitForFinished(120000);
    registry = QString::fromUtf8(cli.readAllStandardOutput()).trimmed();
    ::setenv("TESSERA_REGISTRY", registry.toUtf8().constData(), 1);
    WriteSetting(settings::FirstRun, "0");
    ResetSkinsFolderCache();
  }
  QTemporaryDir dir;
  QString registry;
};

Demo& demo() {
  static Demo instance;
  return instance;
}

double runToExit(const QString& program, const QProcessEnvironment& env) {
  QProcess process;
  process.setProcessEnvironment(env);
  QElapsedTimer timer;
  timer.start();
  process.start(program, {});
  process.waitForFinished(30000);
  return timer.nsecsElapsed() / 1e9;
}

void BM_StartupToMainWindow(benchmark::State& state) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("TESSERA_REGISTRY"), demo().registry);
  env.insert(QStringLiteral("TESSERA_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  // The two programs take turns, so both meet the same machine load; medians keep a rare slow
  // start (a busy core, a page-cache miss) from deciding the figure.
  std::vector<double> editor, empty;
  for (auto _ : state) {
    editor.push_back(runToExit(QStringLiteral(TESSERA_BENCH_EDITOR), env));
    empty.push_back(runToExit(QStringLiteral(TESSERA_BENCH_EMPTY_APP), env));
    state.SetIterationTime(editor.back());
  }
  const double e = bench::median(editor), y = bench::median(empty);
  state.counters["editor_ms"] = 1000 * e;
  state.counters["empty_dialog_ms"] = 1000 * y;
  state.counters["ratio"] = y > 0 ? e / y : 0;
}
BENCHMARK(BM_StartupToMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(31);

void BM_OpenDemoSkin(benchmark::State& state) {
  demo();
  if (LoadEngineModules() != EngineStartup::Ready) {
    state.SkipWithError("engine modules of the demo environment did not load");
    return;
  }
  BindPreviewLibrary(Engine().previewLibrary);
  EnableSkinWrites();
  const std::string path = SkinMainFilePath("Copperline");
  for (auto _ : state) {
    const OpenResult result = OpenSkin(path, BeforeOpen::Reset, nullptr);
    if (!result.opened) state.SkipWithError("the demo skin did not open");
    WriteThumbnail(20, 20, 400, 300);
  }
}
BENCHMARK(BM_OpenDemoSkin)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) { return tessera::bench::RunQtBenchmarks(argc, argv); }
