// The preview renderer on the paths the editor waits for: one 9-slice section rendered at
// 300 x 200, the refresh road after one key write followed by a window preview at 800 x 600,
// and the skin thumbnail, text included. Run with --benchmark_repetitions to get medians.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <string>

#include "core/app/preview_engine.h"
#include "core/app/qimage_bridge.h"
#include "core/app/skin_actions.h"
#include "core/engine/engine_libraries.h"
#include "core/image/image_file.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "standin/render/renderer.h"

namespace {

using namespace tessera;

// A frame strip of `frames` frames, each a bevelled panel in its own shade.
QImage panelStrip(QSize frame, int frames, bool vertical, QColor colour) {
  QImage image(vertical ? QSize(frame.width(), frame.height() * frames) : QSize(frame.width() * frames, frame.height()),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  for (int i = 0; i < frames; ++i) {
    const QRect r = vertical ? QRect(0, i * frame.height(), frame.width(), frame.height())
                             : QRect(i * frame.width(), 0, frame.width(), frame.height());
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour.lighter(130 + 10 * i));
    g.setColorAt(1, colour.darker(120 + 10 * i));
    p.setBrush(g);
    p.setPen(colour.darker(200));
    p.drawRoundedRect(r.adjusted(0, 0, -1, -1), 3, 3);
  }
  return image;
}

void savePicture(const std::string& path, const QImage& image) {
  if (const auto buffer = FromQImage(image)) SaveImageFile(path, *buffer, false);
}

// A skin with border pictures, title-bar buttons, push buttons, colours and a skinned taskbar,
// opened as the editor opens it.
class BenchSkin {
 public:
  BenchSkin() {
    const std::string root = dir_.path().toStdString();
    ::setenv("TESSERA_REGISTRY", (root + "/registry").c_str(), 1);
    skins_ = root + "/skins";
    const std::string folder = skins_ + "/Bench";
    files::createFolders(skins_ + "/Tessera7");
    files::createFolders(folder);
    WriteSetting(settings::InstalledPath, skins_);
    ResetSkinsFolderCache();
    profile::ClearCache();
    files::copyFile(std::string(TESSERA_BENCH_SOURCE_DIR) + "/data/Tessera7/subsections.ini",
                    skins_ + "/Tessera7/subsections.ini", true);
    savePicture(folder + "/top.tga", panelStrip(QSize(200, 30), 2, true, QColor(40, 80, 160)));
    savePicture(folder + "/bottom.tga", panelStrip(QSize(200, 4), 2, true, QColor(40, 80, 160)));
    savePicture(folder + "/side.tga", panelStrip(QSize(4, 40), 2, false, QColor(40, 80, 160)));
    savePicture(folder + "/titlebutton.tga", panelStrip(QSize(20, 20), 3, false, QColor(200, 60, 60)));
    savePicture(folder + "/button.tga", panelStrip(QSize(75, 23), 5, false, QColor(220, 220, 230)));
    savePicture(folder + "/taskbar.tga", panelStrip(QSize(64, 30), 1, false, QColor(30, 60, 130)));
    savePicture(folder + "/start.tga", panelStrip(QSize(80, 30), 3, false, QColor(40, 150, 60)));
    std::string uis =
        "[TitlebarSkin]\r\nSkinName=Bench\r\n[XPTaskbar]\r\nFile=Bench\\Bench.xp\r\n"
        "[Personality]\r\nTop=bench\\top.tga\r\nBottom=bench\\bottom.tga\r\nLeft=bench\\side.tga\r\n"
        "Right=bench\\side.tga\r\nTopTopHeight=20\r\nTopBotHeight=20\r\nPerPixel=1\r\nButtonCount=3\r\n"
        "[Buttons]\r\nImage=bench\\button.tga\r\nBitmap=bench\\button.tga\r\nPerPixel=1\r\nTopHeight=4\r\n"
        "BottomHeight=4\r\nLeftWidth=4\r\nRightWidth=4\r\n"
        "[Colours]\r\nButtonFace=230 230 235\r\nBackground=20 60 90\r\n";
    for (int i = 0; i < 3; ++i) {
      uis += "[Button" + std::to_string(i) + "]\r\nButtonImage=bench\\titlebutton.tga\r\nPerPixel=1\r\nAlign=1\r\nXCoord=" +
             std::to_string(6 + 24 * i) + "\r\nYCoord=5\r\n";
    }
    files::writeAllAtomic(folder + "/Bench.uis", uis);
    files::writeAllAtomic(folder + "/Bench.xp",
                          "[Taskbar.Background]\r\nImage=bench\\taskbar.tga\r\nPerPixel=1\r\nTile=1\r\n"
                          "[StartButton]\r\nImage=bench\\start.tga\r\nPerPixel=1\r\n");
    mainFile_ = folder + "/Bench.uis";
    // Eight title-bar buttons, each with an animated strip and a four-frame glow that fades in.
    savePicture(folder + "/animbutton.tga", panelStrip(QSize(20, 20), 6, false, QColor(60, 60, 200)));
    savePicture(folder + "/glow.tga", panelStrip(QSize(28, 28), 4, false, QColor(250, 230, 120)));
    std::string glowing = uis.substr(0, uis.find("[Button0]"));
    glowing.replace(glowing.find("ButtonCount=3"), 13, "ButtonCount=8");
    for (int i = 0; i < 8; ++i) {
      glowing += "[Button" + std::to_string(i) +
                 "]\r\nButtonImage=bench\\animbutton.tga\r\nPerPixel=1\r\nFrameCount=6\r\nAnimTimerRate=100\r\n"
                 "Align=1\r\nXCoord=" + std::to_string(6 + 24 * i) +
                 "\r\nYCoord=5\r\nOverlayImage=bench\\glow.tga\r\nOverlayImageXOffset=-4\r\nOverlayImageYOffset=-4\r\n"
                 "OverlayFrameCount=4\r\nOverlayTimer=80\r\nOverlayFadeInTime=200\r\nVisibility=1\r\n";
    }
    files::writeAllAtomic(folder + "/Glow.uis", glowing);
    glowFile_ = folder + "/Glow.uis";
    // TESSERA_BENCH_DEMO_SKINS=<a generated skins folder> measures its demo skin Aurora instead.
    if (const char* demo = ::getenv("TESSERA_BENCH_DEMO_SKINS")) {
      const std::string from = paths::join(demo, "Aurora");
      files::createFolders(skins_ + "/Aurora");
      for (const auto& name : files::listFiles(from)) {
        files::copyFile(paths::join(from, name), skins_ + "/Aurora/" + name, true);
      }
      if (files::isFile(skins_ + "/Aurora/Aurora.uis")) mainFile_ = skins_ + "/Aurora/Aurora.uis";
    }
    module_.load(ModulePath(TESSERA_BENCH_ENGINE_DIR, "vuzudiv"));
  }
  const std::string& mainFile() const { return mainFile_; }
  const std::string& glowFile() const { return glowFile_; }
  const std::string& skins() const { return skins_; }
  const DynamicLibrary& module() const { return module_; }

 private:
  QTemporaryDir dir_;
  std::string skins_;
  std::string mainFile_;
  std::string glowFile_;
  DynamicLibrary module_;
};

BenchSkin& Skin() {
  static BenchSkin skin;
  return skin;
}

void BM_RenderSectionNineSlice(benchmark::State& state) {
  render::Renderer renderer;
  renderer.loadSection(Skin().mainFile(), "Buttons", 5);
  QImage surface(300, 200, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    surface.fill(Qt::white);
    renderer.renderSection(surface, surface.rect(), 1, 0);
    benchmark::DoNotOptimize(surface.bits());
  }
}
BENCHMARK(BM_RenderSectionNineSlice)->Unit(benchmark::kMicrosecond);

void BM_RenderSectionWithMarginMarks(benchmark::State& state) {
  render::Renderer renderer;
  renderer.loadSection(Skin().mainFile(), "Buttons", 5);
  QImage surface(300, 200, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    surface.fill(Qt::white);
    renderer.renderSection(surface, surface.rect(), 1, 96);
    benchmark::DoNotOptimize(surface.bits());
  }
}
BENCHMARK(BM_RenderSectionWithMarginMarks)->Unit(benchmark::kMicrosecond);

// The refresh road after a key write, as the editor's RefreshPreview runs it, then the window
// preview at 800 x 600.
void BM_RefreshRoadAndWindowPreview(benchmark::State& state) {
  BindPreviewLibrary(Skin().module());
  const OpenResult opened = OpenSkin(Skin().mainFile(), BeforeOpen::Nothing, [](const std::string&) { return ""; });
  if (!opened.opened) {
    state.SkipWithError("the bench skin did not open");
    return;
  }
  QImage canvas(800, 600, QImage::Format_ARGB32_Premultiplied);
  int round = 0;
  for (auto _ : state) {
    WriteSkinString("Buttons", "TopHeight", std::to_string(4 + (round++ & 3)), Session().mainFile);
    RefreshPreview();
    canvas.fill(Qt::white);
    Preview().DrawPreview(canvas, VlRect{0, 0, 800, 600}, 20, 1);
    benchmark::DoNotOptimize(canvas.bits());
  }
  ResetSkin();
}
BENCHMARK(BM_RefreshRoadAndWindowPreview)->Unit(benchmark::kMillisecond);

// One title-bar preview (a 640 x 120 window frame) with eight buttons whose glows all show, half
// faded in, at a moving clock: what vlload and UITest draw on each animation tick.
void BM_TitleBarButtonsWithGlows(benchmark::State& state) {
  render::Renderer renderer;
  if (!renderer.loadSkin(Skin().glowFile())) {
    state.SkipWithError("the glow skin did not load");
    return;
  }
  QImage surface(640, 120, QImage::Format_ARGB32_Premultiplied);
  int clock = 0;
  for (auto _ : state) {
    surface.fill(Qt::white);
    clock += 40;
    renderer.drawWindowLook(surface, surface.rect(), VlFrameLook{2 << 8, -1, clock, 100, 0}, "Glow");
    benchmark::DoNotOptimize(surface.bits());
  }
}
BENCHMARK(BM_TitleBarButtonsWithGlows)->Unit(benchmark::kMicrosecond);

void BM_Thumbnail(benchmark::State& state) {
  PreviewLibrary preview;
  preview.bind(Skin().module());
  preview.LoadUISFile(Skin().mainFile());
  for (auto _ : state) {
    QImage thumbnail = ComposeSkinThumbnail(preview, VlRect{20, 60, 420, 360}, true, "Thumbnail");
    benchmark::DoNotOptimize(thumbnail.bits());
  }
}
BENCHMARK(BM_Thumbnail)->Unit(benchmark::kMillisecond);

}  // namespace

// Text needs a GUI application (offscreen is enough), as the editor has one.
int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
