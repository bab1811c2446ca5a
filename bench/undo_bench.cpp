// The undo journal on a 3000-section skin: a key write with and without the journal (its own
// cost), undo and redo of one key step with the section read back as a page reloads it, and
// undo and redo of a reorder that rewrites 40 title-bar button sections.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"

namespace {

using namespace tessera;

constexpr int kSections = 3000;
constexpr int kButtons = 40;

class LargeSkin {
 public:
  LargeSkin() {
    const std::string root = dir_.path().toStdString();
    ::setenv("TESSERA_REGISTRY", (root + "/registry").c_str(), 1);
    files::createFolders(root + "/skins/Tessera7");
    files::createFolders(root + "/skins/Big");
    WriteSetting(settings::InstalledPath, root + "/skins");
    ResetSkinsFolderCache();
    std::string text;
    for (int i = 0; i < kSections; ++i) {
      text += "[Section" + std::to_string(i) + "]\r\nImage=big\\picture" + std::to_string(i) +
              ".tga\r\nTopHeight=4\r\nBottomHeight=4\r\nFontColour=12 34 56\r\n\r\n";
    }
    for (int i = 1; i <= kButtons; ++i) {
      text += "[Button" + std::to_string(i) + "]\r\nButtonImage=big\\b" + std::to_string(i) +
              ".tga\r\nAction=" + std::to_string(i % 12) + "\r\nAnchor=1\r\nXCoord=" + std::to_string(i * 20) + "\r\n";
    }
    folder_ = root + "/skins/Big";
    main_ = folder_ + "/Big.uis~";
    files::writeAllAtomic(main_, text);
    Session() = SkinSession{};
    Session().mainFile = main_;
    Session().skinName = "Big";
    EnableSkinWrites();
  }
  const std::string& main() const { return main_; }
  const std::string& folder() const { return folder_; }

 private:
  QTemporaryDir dir_;
  std::string folder_;
  std::string main_;
};

LargeSkin& skin() {
  static LargeSkin instance;
  return instance;
}

void BM_KeyWriteWithoutJournal(benchmark::State& state) {
  int i = 0;
  for (auto _ : state) WriteSkinString("Section1500", "TopHeight", std::to_string(++i % 50), skin().main());
}
BENCHMARK(BM_KeyWriteWithoutJournal)->Unit(benchmark::kMillisecond);

void BM_KeyWriteWithJournal(benchmark::State& state) {
  SkinDocument document(skin().folder());
  int i = 0;
  for (auto _ : state) {
    // Alternating keys, so every write is a step of its own (no merging).
    WriteSkinString("Section1500", i % 2 ? "TopHeight" : "BottomHeight", std::to_string(++i % 50), skin().main());
    document.commitPendingStep();
  }
}
BENCHMARK(BM_KeyWriteWithJournal)->Unit(benchmark::kMillisecond);

void BM_UndoRedoKeyStep(benchmark::State& state) {
  SkinDocument document(skin().folder());
  WriteSkinString("Section1500", "TopHeight", "17", skin().main());
  document.commitPendingStep();
  for (auto _ : state) {
    document.undoStack()->undo();
    benchmark::DoNotOptimize(profile::ReadSection("Section1500", skin().main()));
    document.undoStack()->redo();
    benchmark::DoNotOptimize(profile::ReadSection("Section1500", skin().main()));
  }
  state.counters["per_step_ms"] = benchmark::Counter(2 * state.iterations() / 1000.0,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
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
  for (auto _ : state) {
    document.undoStack()->undo();
    document.undoStack()->redo();
  }
  state.counters["per_step_ms"] = benchmark::Counter(2 * state.iterations() / 1000.0,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_UndoRedoButtonReorder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
