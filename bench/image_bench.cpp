// Pictures: TGA load and save against memcpy, LoadImageFile of a PNG against QImage's own load,
// the ZOR compressor and decoder, and an idle re-import pass over 500 tracked pictures.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QByteArray>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>

#include "core/image/image_file.h"
#include "core/image/reimport_pass.h"
#include "core/image/zor_animation.h"
#include "core/image/zor_compressor.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"

namespace {

using namespace tessera;

// A skin-like picture: opaque gradients, a translucent band and a transparent border.
ImageBuffer samplePicture(int width, int height) {
  auto image = CreateImage(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int alpha = 255;
      if (x < width / 16 || y < height / 16) alpha = 0;
      else if (y < height / 4) alpha = 64 + (x % 160);
      image->setPixelAt(x, y, PremultiplyPixel(MakePixel(x % 256, y % 256, (x + y) % 256, alpha)));
    }
  }
  return std::move(*image);
}

QTemporaryDir& folder() {
  static QTemporaryDir dir;
  return dir;
}
std::string pathIn(const char* name) { return folder().path().toStdString() + "/" + name; }

void BM_Memcpy4MB(benchmark::State& state) {
  std::vector<char> a(1024 * 1024 * 4, 1), b(a.size());
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size());
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(a.size()));
}
BENCHMARK(BM_Memcpy4MB);

void BM_TgaLoad1024(benchmark::State& state) {
  const std::string path = pathIn("load.tga");
  SaveImageFile(path, samplePicture(1024, 1024), false);
  for (auto _ : state) {
    auto image = DecodeTga(path);
    benchmark::DoNotOptimize(image->pixels());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1024 * 1024 * 4);
}
BENCHMARK(BM_TgaLoad1024);

// The parts of a load: the pixel conversion alone.
void BM_Premultiply1024(benchmark::State& state) {
  const ImageBuffer straight = samplePicture(1024, 1024);
  ImageBuffer image = straight;
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(image.pixels(), straight.pixels(), straight.byteCount());
    state.ResumeTiming();
    Premultiply(image);
    benchmark::DoNotOptimize(image.pixels());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1024 * 1024 * 4);
}
BENCHMARK(BM_Premultiply1024);

void BM_TgaEncode1024(benchmark::State& state) {
  const ImageBuffer image = samplePicture(1024, 1024);
  for (auto _ : state) {
    std::string bytes = EncodeTga(image);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1024 * 1024 * 4);
}
BENCHMARK(BM_TgaEncode1024);

void BM_TgaSave1024(benchmark::State& state) {
  const ImageBuffer image = samplePicture(1024, 1024);
  const std::string path = pathIn("save.tga");
  for (auto _ : state) benchmark::DoNotOptimize(SaveImageFile(path, image, false));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1024 * 1024 * 4);
}
BENCHMARK(BM_TgaSave1024)->Unit(benchmark::kMillisecond);

// The same save into memory-backed storage, where the flush to disk that makes the save
// crash-safe costs nothing: what the save itself costs.
void BM_TgaSave1024InMemoryFolder(benchmark::State& state) {
  static QTemporaryDir shm(QStringLiteral("/dev/shm/tessera-bench-XXXXXX"));
  if (!shm.isValid()) {
    state.SkipWithError("no /dev/shm");
    return;
  }
  const ImageBuffer image = samplePicture(1024, 1024);
  const std::string path = shm.path().toStdString() + "/save.tga";
  for (auto _ : state) benchmark::DoNotOptimize(SaveImageFile(path, image, false));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1024 * 1024 * 4);
}
BENCHMARK(BM_TgaSave1024InMemoryFolder);

// The floor under both saves: the same number of bytes written as they are, through the same
// atomic file write, into the memory-backed folder.
void BM_RawWrite4MBInMemoryFolder(benchmark::State& state) {
  static QTemporaryDir shm(QStringLiteral("/dev/shm/tessera-bench-XXXXXX"));
  if (!shm.isValid()) {
    state.SkipWithError("no /dev/shm");
    return;
  }
  const std::string bytes(1024 * 1024 * 4 + 18, '\x5a');
  const std::string path = shm.path().toStdString() + "/raw.bin";
  for (auto _ : state) benchmark::DoNotOptimize(files::writeAllAtomic(path, bytes));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1024 * 1024 * 4);
}
BENCHMARK(BM_RawWrite4MBInMemoryFolder);

void BM_PngLoadImageFile1024(benchmark::State& state) {
  const std::string path = pathIn("load.png");
  SaveImagePng(samplePicture(1024, 1024), path);
  for (auto _ : state) {
    auto image = LoadImageFile(path);
    benchmark::DoNotOptimize(image->pixels());
  }
}
BENCHMARK(BM_PngLoadImageFile1024)->Unit(benchmark::kMillisecond);

void BM_PngQImageLoad1024(benchmark::State& state) {
  const std::string path = pathIn("load.png");
  SaveImagePng(samplePicture(1024, 1024), path);
  for (auto _ : state) {
    QImage image(QString::fromStdString(path));
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PngQImageLoad1024)->Unit(benchmark::kMillisecond);

// A 272 x 60 animation of 30 frames: a glow that moves and fades over a static button face.
ImageBuffer animationStrip() {
  const int w = 272, h = 60, frames = 30;
  auto strip = CreateImage(w, h * frames);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const int dx = x - f * 8, dy = y - 30;
        const int glow = std::max(0, 255 - (dx * dx + dy * dy) / 8);
        const int alpha = (x < 4 || x >= w - 4 || y < 4 || y >= h - 4) ? 0 : 255;
        const int base = 90 + y;
        strip->setPixelAt(x, f * h + y, PremultiplyPixel(MakePixel(std::min(255, base + glow / 2),
                                                                   std::min(255, base + glow / 3), base, alpha)));
      }
    }
  }
  return std::move(*strip);
}

void BM_ZorCompress272x60x30(benchmark::State& state) {
  const ImageBuffer strip = animationStrip();
  std::size_t words = 0;
  for (auto _ : state) {
    auto file = CompressStrip(strip, 30, 2);
    words = file->stream.size();
  }
  const double raw = 272.0 * 60 * 30 * 4;
  const QByteArray rawBytes(reinterpret_cast<const char*>(strip.bytes()), static_cast<qsizetype>(strip.byteCount()));
  const double zlib9 = static_cast<double>(qCompress(rawBytes, 9).size());
  const double zor = 16.0 + 4 * 30 + 4.0 * static_cast<double>(words);
  state.counters["zor_bytes"] = zor;
  state.counters["zor_vs_raw"] = zor / raw;
  state.counters["zor_vs_zlib9"] = zor / zlib9;
}
BENCHMARK(BM_ZorCompress272x60x30)->Unit(benchmark::kMillisecond);

void BM_ZorDecodeSequence(benchmark::State& state) {
  ZorAnimation animation;
  animation.loadData(EncodeZorFile(*CompressStrip(animationStrip(), 30, 2)));
  int frame = 0;
  for (auto _ : state) {
    auto image = animation.decodeFrame(frame);
    benchmark::DoNotOptimize(image->pixels());
    frame = (frame + 1) % 30;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_ZorDecodeSequence);

void BM_ReimportPassIdle500(benchmark::State& state) {
  const std::string root = pathIn("reimport");
  ::setenv("TESSERA_REGISTRY", (root + "/registry").c_str(), 1);
  const std::string skins = root + "/skins";
  files::createFolders(skins + "/Big");
  WriteSetting(settings::InstalledPath, skins);
  ResetSkinsFolderCache();
  files::writeAllAtomic(skins + "/Big/Big.uis", "[Personality]\r\n");
  Session().skinName = "Big";
  Session().mainFile = skins + "/Big/Big.uis~";
  EnableSkinWrites();
  const std::string art = root + "/art";
  files::createFolders(art);
  std::string list;
  for (int i = 0; i < 500; ++i) {
    const std::string source = art + "/p" + std::to_string(i) + ".png";
    files::writeAllAtomic(source, "x");
    const auto time = files::lastWriteTime(source);
    list += "[Big\\p" + std::to_string(i) + ".tga]\r\nReimportWhenNeeded=1\r\nSourceFile=" + source + "\r\nName=p" +
            std::to_string(i) + "\r\next=PNG\r\nLastEdit1=" + std::to_string(time->high) +
            "\r\nLastEdit2=" + std::to_string(time->low) + "\r\n";
  }
  files::writeAllAtomic(skins + "/Big/reimport.lst", list);
  for (auto _ : state) {
    auto report = RunReimportPass();
    if (!report.rewritten.empty()) state.SkipWithError("a picture was rewritten");
  }
}
BENCHMARK(BM_ReimportPassIdle500)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
