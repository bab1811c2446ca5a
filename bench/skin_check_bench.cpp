// The skin check on a demo skin, and on a generated skin of 3000 sections and 500 pictures (every
// section naming a picture, layer chains, title-bar buttons and presets), read fresh each time.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <string>

#include "core/image/image_buffer.h"
#include "core/image/image_file.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/check/skin_check.h"

#ifndef TESSERA_BENCH_SKINS_DIR
#define TESSERA_BENCH_SKINS_DIR ""
#endif

namespace {

using namespace tessera;

constexpr int kSections = 3000;
constexpr int kPictures = 500;
constexpr int kButtons = 100;

class GeneratedSkin {
 public:
  GeneratedSkin() {
    skins_ = dir_.path().toStdString() + "/skins";
    files::createFolders(skins_ + "/Tessera7");
    files::createFolders(skins_ + "/Big");
    const std::string catalogue = paths::join(TESSERA_BENCH_SKINS_DIR, "Tessera7/subsections.ini");
    std::vector<std::string> known;
    if (files::isFile(catalogue)) {
      files::copyFile(catalogue, skins_ + "/Tessera7/subsections.ini", true);
      known = profile::SectionNames(catalogue);
    }
    if (known.empty()) known = {"Buttons", "Menu.Item", "Tab.Item", "Edit", "ComboBox"};
    for (int i = 0; i < kPictures; ++i) {
      files::writeAllAtomic(skins_ + "/Big/p" + std::to_string(i) + ".tga",
                            EncodeTga(ImageBuffer(60 + i % 5 * 10, 20, RowOrder::BottomUp)));
    }
    std::string text = "[Caption]\r\nButtonCount=" + std::to_string(kButtons) + "\r\n";
    for (int i = 0; i < 50; ++i) text += "[Colour" + std::to_string(i) + "]\r\nColour=1 2 3\r\n";
    int sections = 51;
    for (int i = 0; i < kButtons; ++i, ++sections) {
      text += "[Button" + std::to_string(i) + "]\r\nButtonImage=big\\p" + std::to_string(i % kPictures) +
              ".tga\r\nFrameCount=3\r\nAlign=1\r\n";
    }
    // Each known section with a chain of layers, until the file has its sections.
    for (std::size_t k = 0; sections < kSections; ++k) {
      std::string name = known[k % known.size()];
      if (k >= known.size()) name += ":" + std::to_string(k);  // later rounds: one more chain per section
      for (int layer = 0; layer < 15 && sections < kSections; ++layer, ++sections) {
        text += "[" + name + "]\r\nImage=big\\p" + std::to_string(sections % kPictures) +
                ".tga\r\nFrameCount=1\r\nTopHeight=4\r\nBottomHeight=4\r\nNormalColour=" + std::to_string(layer) +
                "\r\nSimpleMode=0\r\n" + (layer < 14 ? "NextLayerName=L\r\n" : "");
        name += ":L";
      }
    }
    files::writeAllAtomic(skins_ + "/Big/Big.uis", text);
  }
  const std::string& skins() const { return skins_; }

 private:
  QTemporaryDir dir_;
  std::string skins_;
};

void BM_CheckDemoSkin(benchmark::State& state) {
  const std::string skins = TESSERA_BENCH_SKINS_DIR;
  if (!files::isFile(paths::join(skins, "Aurora/Aurora.uis"))) {
    state.SkipWithError("the generated demo skins are missing");
    return;
  }
  std::size_t findings = 0;
  for (auto _ : state) {
    profile::ClearCache();
    findings = CheckSkin(skins, "Aurora").size();
  }
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckDemoSkin)->Unit(benchmark::kMillisecond);

void BM_Check3000Sections500Pictures(benchmark::State& state) {
  const GeneratedSkin skin;
  std::size_t findings = 0;
  for (auto _ : state) {
    profile::ClearCache();
    findings = CheckSkin(skin.skins(), "Big").size();
  }
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_Check3000Sections500Pictures)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
