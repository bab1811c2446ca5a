// The zoom window at 8 times over a 400 x 300 view: one repaint after the mouse moved (reading
// the screen part and drawing it enlarged with its read-out), and a tick over a resting mouse,
// which must cost next to nothing because the window stays open while the user works.
#include <benchmark/benchmark.h>

#include "median.h"
#include <stdlib.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "core/platform/settings.h"
#include "qt_bench_main.h"
#include "ui/common/zoom_window.h"

namespace {

using namespace tessera;

using bench::median;

// A 1600 x 1000 desktop of varied pixels and a mouse the benchmark moves.
struct FedZoomWindow {
  FedZoomWindow() {
    ::setenv("TESSERA_REGISTRY", dir.path().toUtf8().constData(), 1);
    WriteSetting(settings::ZoomV, "2");
    desktop = QImage(1600, 1000, QImage::Format_RGB32);
    for (int y = 0; y < desktop.height(); ++y)
      for (int x = 0; x < desktop.width(); ++x) desktop.setPixel(x, y, qRgb(x * 7 % 256, y * 3 % 256, (x ^ y) % 256));
    ui::ZoomWindow::setSources({[this] { return mouse; },
                                [this](const QRect& area) {
                                  const QRect part = area.intersected(desktop.rect());
                                  return ScreenPicture{desktop.copy(part), part.topLeft()};
                                }});
    window = ui::ShowZoomWindow(nullptr);
    window->move(1200, 700);
    const QRect view = window->viewRect();
    window->resize(400, view.top() + 300);
    QApplication::processEvents();
  }
  QTemporaryDir dir;
  QImage desktop;
  QPoint mouse{400, 300};
  ui::ZoomWindow* window = nullptr;
};

FedZoomWindow& fed() {
  static FedZoomWindow instance;
  return instance;
}

void BM_ZoomRepaint8x400x300(benchmark::State& state) {
  FedZoomWindow& zoom = fed();
  if (zoom.window->viewRect().size() != QSize(400, 300)) {
    state.SkipWithError("the view is not 400 x 300");
    return;
  }
  std::vector<double> times;
  int step = 0;
  for (auto _ : state) {
    zoom.mouse = QPoint(300 + step % 500, 200 + step % 300);
    ++step;
    QElapsedTimer timer;
    timer.start();
    zoom.window->tick(ZoomTimer::Fast);
    zoom.window->repaint();
    const double seconds = timer.nsecsElapsed() / 1e9;
    state.SetIterationTime(seconds);
    times.push_back(seconds);
  }
  state.counters["median_ms"] = 1000 * median(times);
}
BENCHMARK(BM_ZoomRepaint8x400x300)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

// What each 35 ms tick costs while the mouse rests: a cursor query and a comparison.
void BM_ZoomTickRestingMouse(benchmark::State& state) {
  FedZoomWindow& zoom = fed();
  zoom.window->tick(ZoomTimer::Fast);
  const int reads = zoom.window->screenReads();
  QElapsedTimer timer;
  timer.start();
  for (auto _ : state) {
    zoom.window->tick(ZoomTimer::Fast);
    QApplication::sendPostedEvents();
  }
  const double secondsPerTick = timer.nsecsElapsed() / 1e9 / static_cast<double>(state.iterations());
  if (zoom.window->screenReads() != reads) state.SkipWithError("a resting mouse read the screen");
  // Ticks per second: 1000 / 35 + 1000 / 500 = 30.6; the share of one core they take (without
  // the display server's answer to the cursor query, which the fed mouse skips).
  state.counters["core_share_percent"] = secondsPerTick * 30.6 * 100;
}
BENCHMARK(BM_ZoomTickRestingMouse)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return tessera::bench::RunQtBenchmarks(argc, argv); }
