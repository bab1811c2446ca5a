// Title-bar button reordering on a 3000-section skin with 40 buttons, with the undo journal
// listening: deleting the first button (every later button section moves down one index) and
// moving a button down and up again. Each iteration is one user action.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <string>

#include "core/pages/title_bar_button_model.h"
#include "core/platform/files.h"
#include "core/skin/skin_document.h"
#include "large_skin.h"

namespace {

using namespace tessera;

constexpr int kButtons = 40;

std::string ButtonSections() {
  std::string text = "[Caption]\r\nButtonCount=" + std::to_string(kButtons) + "\r\n";
  for (int i = 0; i < kButtons; ++i) {
    text += "[Button" + std::to_string(i) + "]\r\nButtonImage=big\\b" + std::to_string(i) +
            ".tga\r\nUseTrans=1\r\nFrameCount=3\r\nAction=" + std::to_string(i % 12) + "\r\nAlign=1\r\nXCoord=" +
            std::to_string(i * 20) + "\r\nYCoord=4\r\nVisibility=0\r\n";
  }
  return text;
}

bench::LargeSkin& skin() {
  static bench::LargeSkin instance(ButtonSections());
  return instance;
}

void BM_DeleteFirstOfFortyButtons(benchmark::State& state) {
  const std::string original = *files::readAll(skin().main());
  SkinDocument document(skin().folder());
  const TitleBarButtonModel model(ButtonLayout::Caption);
  for (auto _ : state) {
    state.PauseTiming();
    files::writeAllAtomic(skin().main(), original);
    document.commitPendingStep();
    state.ResumeTiming();
    model.remove(0);
  }
  if (model.count() != kButtons - 1) state.SkipWithError("the delete did not happen");
  files::writeAllAtomic(skin().main(), original);
}
BENCHMARK(BM_DeleteFirstOfFortyButtons)->Unit(benchmark::kMillisecond);

void BM_MoveButtonDownThenUp(benchmark::State& state) {
  SkinDocument document(skin().folder());
  const TitleBarButtonModel model(ButtonLayout::Caption);
  int moves = 0;
  for (auto _ : state) {
    moves += model.moveDown(19) == 20 ? 1 : 0;
    moves += model.moveUp(20) == 19 ? 1 : 0;
  }
  if (moves != 2 * static_cast<int>(state.iterations())) state.SkipWithError("a move did not happen");
}
BENCHMARK(BM_MoveButtonDownThenUp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
