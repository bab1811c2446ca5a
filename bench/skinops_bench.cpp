// Skin-level operations on a skin of 300 pictures and 5 sub-styles: copying it under a new name
// against a plain recursive copy of the same folder, the clean-skin scan, and packing it against
// "zip -9 -X -j" of the same files.
#include <benchmark/benchmark.h>

#include "median.h"
#include <stdlib.h>

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/clean_skin.h"
#include "core/skin/skin_copy.h"
#include "core/skin/skin_package.h"
#include "core/skin/skin_session.h"

namespace {

using namespace tessera;
using Clock = std::chrono::steady_clock;

constexpr int kPictures = 300;
constexpr int kSubStyles = 5;
constexpr std::size_t kPictureBytes = 16 * 1024;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// <temp>/skins/Bench: Bench.uis naming 280 of the pictures, 5 sub-style files, two companions.
class BenchSkin {
 public:
  BenchSkin() {
    dir_.setAutoRemove(true);
    root_ = dir_.path().toStdString();
    ::setenv("TESSERA_REGISTRY", (root_ + "/registry").c_str(), 1);
    skins_ = root_ + "/skins";
    files::createFolders(skins_ + "/Tessera7");
    files::createFolders(skins_ + "/Bench");
    WriteSetting(settings::InstalledPath, skins_);
    ResetSkinsFolderCache();
    Session() = SkinSession{};
    EnableSkinWrites();

    std::mt19937 random(7);
    std::string picture(kPictureBytes, '\0');
    std::string main = "[TitlebarSkin]\r\nSkinName=Bench\r\n[XPTaskbar]\r\nFile=Bench\\Bench.xp\r\n"
                       "[XPShell]\r\nFile=Bench\\Bench.xps\r\n";
    for (int i = 0; i < kPictures; ++i) {
      // Half noise, half flat colour: about as compressible as skin artwork.
      for (std::size_t b = 0; b < picture.size(); ++b) picture[b] = b % 2 ? static_cast<char>(random()) : 'a';
      const std::string name = "pic" + std::to_string(i) + (i % 3 ? ".tga" : ".bmp");
      files::writeAllAtomic(skins_ + "/Bench/" + name, picture);
      if (i < kPictures - 20) {
        main += "[Section" + std::to_string(i) + "]\r\nImage=Bench\\" + name + "\r\nTopHeight=4\r\nTile=1\r\n";
      }
    }
    files::writeAllAtomic(skins_ + "/Bench/Bench.uis", main);
    files::writeAllAtomic(skins_ + "/Bench/Bench.xp", "[Taskbar]\r\nImage=Bench\\pic1.tga\r\n");
    files::writeAllAtomic(skins_ + "/Bench/Bench.xps", "[Explorer]\r\nImage=Bench\\pic2.tga\r\n");
    std::string ssd = "[SkinStyles]\r\nNumber=" + std::to_string(kSubStyles + 1) +
                      "\r\n[SkinStyle0]\r\nName=Bench\r\nSkin=Bench.uis\r\n";
    for (int i = 1; i <= kSubStyles; ++i) {
      const std::string file = "style" + std::to_string(i) + ".sss";
      ssd += "[SkinStyle" + std::to_string(i) + "]\r\nName=Style " + std::to_string(i) + "\r\nSkin=" + file + "\r\n";
      files::writeAllAtomic(skins_ + "/Bench/" + file, main);
    }
    files::writeAllAtomic(skins_ + "/Bench/Bench.SSD", ssd);
  }

  const std::string& skins() const { return skins_; }
  const std::string& root() const { return root_; }

 private:
  QTemporaryDir dir_;
  std::string root_;
  std::string skins_;
};

BenchSkin& skin() {
  static BenchSkin instance;
  return instance;
}

// With `withProgress` the copy reports every step to a callback, as the editor's dialogs do.
double timeCopySkin(int round, bool withProgress = false) {
  const std::string name = "Copy" + std::to_string(round);
  const std::string& skins = skin().skins();  // the first call lays the skin out, which is not timed
  std::int64_t reports = 0;
  const ProgressCallback counting = [&reports](std::int64_t, std::int64_t) { return ++reports > 0; };
  const auto start = Clock::now();
  CopySkin(skins, name, "Bench", false, nullptr, withProgress ? counting : ProgressCallback{});
  const double seconds = secondsSince(start);
  files::removeFolderRecursive(skin().skins() + "/" + name);
  return seconds;
}

double timePlainCopy(int round) {
  // Beside the copies of CopySkin, so that both create their files in the same folder.
  const std::string target = skin().skins() + "/plain" + std::to_string(round);
  const auto start = Clock::now();
  std::filesystem::copy(skin().skins() + "/Bench", target, std::filesystem::copy_options::recursive);
  const double seconds = secondsSince(start);
  std::filesystem::remove_all(target);
  return seconds;
}

// CopySkin against a plain recursive copy of the same folder, the two taking turns. Medians:
// CopySkin ends with one flush of the file system, which also writes out whatever else is
// waiting on it (right after a build, the build's files), a cost of the moment and not of the copy.
void CompareCopySkinWithPlainCopy(benchmark::State& state, bool reportProgress) {
  int round = 0;
  std::vector<double> copies, plains;
  for (auto _ : state) {
    copies.push_back(timeCopySkin(round, reportProgress));
    plains.push_back(timePlainCopy(round));
    ++round;
  }
  const double copy = bench::median(copies), plain = bench::median(plains);
  state.counters["copyskin_ms"] = 1000 * copy;
  state.counters["plain_copy_ms"] = 1000 * plain;
  state.counters["copyskin_over_plain"] = plain > 0 ? copy / plain : 0;
}

void BM_CopySkin(benchmark::State& state) { CompareCopySkinWithPlainCopy(state, false); }
BENCHMARK(BM_CopySkin)->Unit(benchmark::kMillisecond)->Iterations(9);

void BM_CopySkinReportingProgress(benchmark::State& state) { CompareCopySkinWithPlainCopy(state, true); }
BENCHMARK(BM_CopySkinReportingProgress)->Unit(benchmark::kMillisecond)->Iterations(9);

void BM_CleanSkinScan(benchmark::State& state) {
  std::size_t found = 0;
  for (auto _ : state) {
    profile::ClearCache();  // every scan reads the files afresh, as the dialog's first scan does
    found = FindUnreferencedImages(skin().skins(), "Bench").size();
  }
  state.counters["unreferenced"] = static_cast<double>(found);
}
BENCHMARK(BM_CleanSkinScan)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_PackSkin(benchmark::State& state) {
  const std::string ours = skin().root() + "/ours.vla";
  const std::string theirs = skin().root() + "/zip.vla";
  const bool haveZip = std::system("command -v zip >/dev/null 2>&1") == 0;
  double packSeconds = 0;
  double zipSeconds = 0;
  int rounds = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    MakeSkinPackage(skin().skins(), "Bench", ours);
    packSeconds += secondsSince(start);
    if (haveZip) {
      std::filesystem::remove(theirs);
      start = Clock::now();
      const std::string command = "cd '" + skin().skins() + "/Bench' && zip -q -9 -X -j '" + theirs + "' *.*";
      if (std::system(command.c_str()) != 0) state.SkipWithError("zip failed");
      zipSeconds += secondsSince(start);
    }
    ++rounds;
  }
  state.counters["pack_ms"] = 1000 * packSeconds / rounds;
  if (haveZip) {
    state.counters["zip_ms"] = 1000 * zipSeconds / rounds;
    state.counters["pack_over_zip"] = packSeconds / zipSeconds;
    state.counters["pack_bytes"] = static_cast<double>(std::filesystem::file_size(ours));
    state.counters["zip_bytes"] = static_cast<double>(std::filesystem::file_size(theirs));
  }
}
BENCHMARK(BM_PackSkin)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
