// "Update section" on a skin of 3000 sections with both window-shell companions (500 sections
// each): listing the sections from freshly parsed files, listing them again from the cache, and
// the whole dialog (list, catalogue descriptions, layout) as the cut tool opens it.
#include <benchmark/benchmark.h>

#include <string>

#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/skin/section_links.h"
#include "core/skin/skin_session.h"
#include "large_skin.h"
#include "qt_bench_main.h"
#include "ui/strip/update_section_dialog.h"

namespace {

using namespace tessera;

constexpr int kCompanionSections = 500;

std::string companionText(const char* header, const char* prefix) {
  std::string text = std::string("[") + header + "]\r\n";
  for (int i = 0; i < kCompanionSections; ++i) text += std::string("[") + prefix + std::to_string(i) + "]\r\nImage=x.tga\r\n";
  return text;
}

struct SkinWithCompanions {
  SkinWithCompanions() {
    files::writeAllAtomic(Session().companionFiles[0], companionText("XPTaskbar", "Taskbar"));
    files::writeAllAtomic(Session().companionFiles[1], companionText("XPShell", "Shell"));
  }
  bench::LargeSkin skin{"[XPShell]\r\nFile=Big\\c1~\r\n[XPTaskbar]\r\nFile=Big\\c0~\r\n"};
};

void BM_ListSectionsFreshParse(benchmark::State& state) {
  SkinWithCompanions skin;
  for (auto _ : state) {
    profile::ClearCache();
    benchmark::DoNotOptimize(LinkableSections());
  }
  state.counters["sections"] = static_cast<double>(LinkableSections().size());
}
BENCHMARK(BM_ListSectionsFreshParse)->Unit(benchmark::kMillisecond);

void BM_ListSectionsCached(benchmark::State& state) {
  SkinWithCompanions skin;
  for (auto _ : state) benchmark::DoNotOptimize(LinkableSections());
}
BENCHMARK(BM_ListSectionsCached)->Unit(benchmark::kMillisecond);

void BM_OpenUpdateSectionDialog(benchmark::State& state) {
  SkinWithCompanions skin;
  for (auto _ : state) {
    profile::ClearCache();
    tessera::ui::UpdateSectionDialog dialog;
    benchmark::DoNotOptimize(dialog.sectionList());
  }
}
BENCHMARK(BM_OpenUpdateSectionDialog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return tessera::bench::RunQtBenchmarks(argc, argv); }
