// The section store on a large skin file: cached reads against a fresh parse, a scan of every
// section, and a write with its atomic replace.
#include <benchmark/benchmark.h>

#include <QDir>
#include <chrono>
#include <string>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "large_skin.h"

namespace {

using namespace tessera;

using bench::kSections;
using bench::LargeSkin;

LargeSkin& skin() {
  static LargeSkin instance;
  return instance;
}

void BM_ReadSkinString_Cached(benchmark::State& state) {
  const std::string& main = skin().main();
  ReadSkinString("Section1500", "Image", "", main);
  for (auto _ : state) benchmark::DoNotOptimize(ReadSkinString("Section1500", "FontColour", "", main));
  state.counters["file_bytes"] = static_cast<double>(skin().size());
}
BENCHMARK(BM_ReadSkinString_Cached)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ReadSkinString_ParseEveryRead(benchmark::State& state) {
  const std::string& main = skin().main();
  for (auto _ : state) {
    profile::ClearCache();
    benchmark::DoNotOptimize(ReadSkinString("Section1500", "FontColour", "", main));
  }
}
BENCHMARK(BM_ReadSkinString_ParseEveryRead)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Both reads timed in one run, reported as a ratio.
void BM_CachedReadSpeedup(benchmark::State& state) {
  const std::string& main = skin().main();
  using Clock = std::chrono::steady_clock;
  double ratio = 0;
  for (auto _ : state) {
    constexpr int kReads = 200;
    auto start = Clock::now();
    for (int i = 0; i < kReads; ++i) {
      profile::ClearCache();
      benchmark::DoNotOptimize(ReadSkinString("Section1500", "FontColour", "", main));
    }
    const double fresh = std::chrono::duration<double>(Clock::now() - start).count();
    start = Clock::now();
    for (int i = 0; i < kReads; ++i) benchmark::DoNotOptimize(ReadSkinString("Section1500", "FontColour", "", main));
    const double cached = std::chrono::duration<double>(Clock::now() - start).count();
    ratio = fresh / cached;
  }
  state.counters["parse_over_cached"] = ratio;
}
BENCHMARK(BM_CachedReadSpeedup)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ScanTenKeysOfEverySection(benchmark::State& state) {
  const std::string& main = skin().main();
  static const char* keys[] = {"Image", "TopHeight", "BottomHeight", "LeftWidth", "RightWidth",
                               "FontColour", "Tile", "Stretch", "FrameCount", "Alpha"};
  for (auto _ : state) {
    profile::ReadBatch batch;  // the scan reads one state of the skin
    for (int i = 0; i < kSections; ++i) {
      const std::string section = "Section" + std::to_string(i);
      for (const char* key : keys) benchmark::DoNotOptimize(ReadSkinString(section, key, "", main));
    }
  }
}
BENCHMARK(BM_ScanTenKeysOfEverySection)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

// The same scan with a change check on every read, for comparison.
void BM_ScanTenKeysOfEverySection_CheckEveryRead(benchmark::State& state) {
  const std::string& main = skin().main();
  static const char* keys[] = {"Image", "TopHeight", "BottomHeight", "LeftWidth", "RightWidth",
                               "FontColour", "Tile", "Stretch", "FrameCount", "Alpha"};
  for (auto _ : state) {
    for (int i = 0; i < kSections; ++i) {
      const std::string section = "Section" + std::to_string(i);
      for (const char* key : keys) benchmark::DoNotOptimize(ReadSkinString(section, key, "", main));
    }
  }
}
BENCHMARK(BM_ScanTenKeysOfEverySection_CheckEveryRead)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_WriteSkinString(benchmark::State& state) {
  const std::string& main = skin().main();
  int n = 0;
  for (auto _ : state) WriteSkinString("Section2000", "TopHeight", std::to_string(n++ % 50), main);
}
BENCHMARK(BM_WriteSkinString)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
