// The part colours and fonts tables: loading a class of 400 records with their display names
// looked up in the catalogue, and saving it (the class key in the main file and the whole table).
#include <benchmark/benchmark.h>

#include <string>

#include "core/colours/part_tables.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "large_skin.h"

namespace {

using namespace tessera;

constexpr int kRecords = 400;

struct PartSkin {
  PartSkin() {
    std::string colours = std::to_string(kRecords) + "\r\n";
    std::string fonts = colours;
    std::string names = "[ControlPanel.colours]\r\n";
    for (int i = 0; i < kRecords; ++i) {
      const std::string part = std::to_string(i / 4 + 1), state = std::to_string(i % 4);
      colours += part + ", " + state + ", " + std::to_string(i % 256) + ", 128, 64, \r\n";
      fonts += part + ", " + state + ", Segoe UI, 9, 400, 0, 0, \r\n";
      names += part + "." + state + "=Record " + std::to_string(i) + " of the control panel\r\n";
    }
    names += "[ControlPanel.font]\r\n" + names.substr(names.find("\r\n") + 2);
    const std::string templates = DataFile("TesseraTemplates/Fonts");
    files::createFolders(templates);
    files::writeAllAtomic(templates + "/ControlPanel.colours", colours);
    files::writeAllAtomic(templates + "/ControlPanel.font", fonts);
    files::writeAllAtomic(DataFile(kPartNamesCatalogue), names);
  }
  bench::LargeSkin skin;
};

PartSkin& partSkin() {
  static PartSkin instance;
  return instance;
}

void loadClass(benchmark::State& state, PartKind kind) {
  const std::string& main = partSkin().skin.main();
  for (auto _ : state) {
    // Every file parsed afresh, as when the dialog first opens.
    profile::ClearCache();
    const auto records = LoadPartClass("ControlPanel.VFonts", kind, main);
    if (records.size() != kRecords || records.back().displayName.empty()) state.SkipWithError("table not read");
    benchmark::DoNotOptimize(records);
  }
}
void BM_LoadPartClass_Colours(benchmark::State& state) { loadClass(state, PartKind::Colours); }
void BM_LoadPartClass_Fonts(benchmark::State& state) { loadClass(state, PartKind::Fonts); }
BENCHMARK(BM_LoadPartClass_Colours)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadPartClass_Fonts)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void saveClass(benchmark::State& state, PartKind kind) {
  const std::string& main = partSkin().skin.main();
  auto records = LoadPartClass("ControlPanel.VFonts", kind, main);
  int n = 0;
  for (auto _ : state) {
    records[0].colour = static_cast<ColorRef>(++n & 0xff);
    records[0].height = n % 20 + 1;
    if (!SavePartClass("ControlPanel.VFonts", kind, records, main)) state.SkipWithError("not saved");
  }
}
void BM_SavePartClass_Colours(benchmark::State& state) { saveClass(state, PartKind::Colours); }
void BM_SavePartClass_Fonts(benchmark::State& state) { saveClass(state, PartKind::Fonts); }
BENCHMARK(BM_SavePartClass_Colours)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SavePartClass_Fonts)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
