// The undo journal on a 3000-section skin: a key write with and without the journal (its own
// cost, measured side by side), undo and redo of one key step with the section read back as a page reloads it, and
// undo and redo of a reorder that rewrites 40 title-bar button sections. Each undo-and-redo
// iteration is two steps.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/change_observer.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "large_skin.h"
#include "median.h"

namespace {

using namespace tessera;

constexpr int kButtons = 40;

std::string ButtonSections() {
  std::string text;
  for (int i = 1; i <= kButtons; ++i) {
    text += "[Button" + std::to_string(i) + "]\r\nButtonImage=big\\b" + std::to_string(i) +
            ".tga\r\nAction=" + std::to_string(i % 12) + "\r\nAnchor=1\r\nXCoord=" + std::to_string(i * 20) + "\r\n";
  }
  return text;
}

bench::LargeSkin& skin() {
  static bench::LargeSkin instance(ButtonSections());
  return instance;
}

// The journal's own cost on a key write. Writes with and without the journal alternate in one
// loop, so both meet the same file-system state (rewriting a file allocates a fresh inode, and the
// file system's allocator slows as freed inodes pile up over a run); medians of each are reported.
void BM_JournalCostOnKeyWrite(benchmark::State& state) {
  SkinDocument document(skin().folder());
  std::vector<double> without, with;
  int i = 0;
  const auto write = [&] {
    // Alternating keys, so every journalled write is a step of its own (no merging).
    ++i;
    WriteSkinString("Section1500", i % 2 ? "TopHeight" : "BottomHeight", std::to_string(i % 50), skin().main());
  };
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    {
      const ChangesUnobserved unjournalled;
      write();
    }
    without.push_back(timer.nsecsElapsed() / 1e6);
    timer.restart();
    write();
    document.commitPendingStep();
    with.push_back(timer.nsecsElapsed() / 1e6);
    state.SetIterationTime((without.back() + with.back()) / 2e3);
  }
  const double plain = bench::median(without);
  state.counters["without_journal_ms"] = plain;
  state.counters["with_journal_ms"] = bench::median(with);
  state.counters["journal_cost_pct"] = plain > 0 ? 100 * (bench::median(with) - plain) / plain : 0;
}
BENCHMARK(BM_JournalCostOnKeyWrite)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(400);

void BM_UndoRedoKeyStep(benchmark::State& state) {
  SkinDocument document(skin().folder());
  static int run = 0;  // the library may call a benchmark more than once
  WriteSkinString("Section1500", "TopHeight", "undo me " + std::to_string(++run), skin().main());
  document.commitPendingStep();
  if (document.undoStack()->count() != 1) state.SkipWithError("the write made no step");
  for (auto _ : state) {
    document.undoStack()->undo();
    benchmark::DoNotOptimize(profile::ReadSection("Section1500", skin().main()));
    document.undoStack()->redo();
    benchmark::DoNotOptimize(profile::ReadSection("Section1500", skin().main()));
  }
}
BENCHMARK(BM_UndoRedoKeyStep)->Unit(benchmark::kMillisecond);

void BM_UndoRedoButtonReorder(benchmark::State& state) {
  SkinDocument document(skin().folder());
  {
    // Moving the first button to the end: every button section is written again.
    SkinDocument::Step step(&document, "Move title-bar button down");
    auto first = profile::ReadSection("Button1", skin().main());
    for (int i = 1; i < kButtons; ++i) {
      profile::WriteSection("Button" + std::to_string(i), profile::ReadSection("Button" + std::to_string(i + 1), skin().main()),
                            skin().main());
    }
    profile::WriteSection("Button" + std::to_string(kButtons), first, skin().main());
  }
  if (document.undoStack()->count() != 1) state.SkipWithError("the reorder made no step");
  for (auto _ : state) {
    document.undoStack()->undo();
    document.undoStack()->redo();
  }
}
BENCHMARK(BM_UndoRedoButtonReorder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
