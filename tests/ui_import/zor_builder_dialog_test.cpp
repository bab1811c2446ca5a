#include <gtest/gtest.h>

#include <QEventLoop>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <future>

#include "core/image/image_file.h"
#include "core/image/zor_animation.h"
#include "core/image/zor_compressor.h"
#include "core/platform/files.h"
#include "support/temp_dir.h"
#include "ui/import/zor_builder_dialog.h"
#include "ui/import/zor_view.h"

namespace tessera::ui {
namespace {

// The progress reports of a dialog, received on this thread as the dialog receives them.
struct ProgressLog {
  explicit ProgressLog(ZorBuilderDialog* dialog) {
    QObject::connect(
        dialog, &ZorBuilderDialog::progressed, dialog,
        [this](int done, int count) { reports.emplace_back(done, count); }, Qt::QueuedConnection);
  }
  std::vector<std::pair<int, int>> reports;
};

// A vertical strip of `frames` frames whose pixels change from frame to frame, as TGA.
std::string writeStrip(const tessera::testing::TempDir& temp, std::string_view name, int side, int frames) {
  auto strip = CreateImage(side, side * frames);
  std::uint32_t seed = 12345;
  for (int y = 0; y < side * frames; ++y)
    for (int x = 0; x < side; ++x) {
      seed = seed * 1103515245 + 12345;
      const int noise = static_cast<int>(seed >> 24);
      strip->setPixelAt(x, y, MakePixel(noise, (x * 7 + y) & 0xff, (y / side) * 40 & 0xff, 255));
    }
  const std::string path = temp.file(name);
  EXPECT_TRUE(SaveImageFile(path, *strip, false));
  return path;
}

TEST(ZorBuilderDialogTest, CompressesOnTheWorkerWithProgressAndPlaysTheResult) {
  tessera::testing::TempDir temp;
  const std::string source = writeStrip(temp, "spin.tga", 16, 6);
  ZorBuilderDialog dialog;
  dialog.show();
  ProgressLog progress(&dialog);
  ASSERT_TRUE(dialog.startCompression(source, 6));
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.finishedCompressions() == 1; }, 20000));
  EXPECT_EQ(dialog.lastResult(), ZorCompressResult::Written);
  ASSERT_EQ(progress.reports.size(), 6u);
  EXPECT_EQ(progress.reports.front(), std::make_pair(1, 6));
  EXPECT_EQ(progress.reports.back(), std::make_pair(6, 6));
  EXPECT_EQ(dialog.frameBar()->maximum(), 5);

  // The file beside the source decodes into the same six frames.
  ZorAnimation written;
  ASSERT_TRUE(written.load(temp.file("spin.ZOR")));
  EXPECT_EQ(written.frameCount(), 6);
  EXPECT_EQ(written.width(), 16);
  EXPECT_EQ(written.height(), 16);
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(written.decodeFrame(i)) << i;

  const int drawnBefore = dialog.view()->framesDrawn();
  dialog.play();
  EXPECT_EQ(dialog.frameBar()->value(), 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isPlaying(); }, 5000));
  EXPECT_EQ(dialog.frameBar()->value(), 5);
  EXPECT_EQ(dialog.view()->frame(), 5);
  EXPECT_GE(dialog.view()->framesDrawn() - drawnBefore, 6);

  // "Reencode" runs again on the remembered strip.
  dialog.reencodeButton()->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.finishedCompressions() == 2; }, 20000));
  EXPECT_EQ(dialog.lastResult(), ZorCompressResult::Written);
}

TEST(ZorBuilderDialogTest, ClosingWhileCompressingStopsTheWorkerAndWritesNothing) {
  tessera::testing::TempDir temp;
  const std::string source = writeStrip(temp, "long.tga", 128, 400);
  auto dialog = std::make_unique<ZorBuilderDialog>();
  dialog->show();
  ProgressLog progress(dialog.get());
  ASSERT_TRUE(dialog->startCompression(source, 400));
  // A second start while the first runs is refused.
  EXPECT_FALSE(dialog->startCompression(source, 400));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !progress.reports.empty(); }, 20000));
  dialog->reject();
  EXPECT_FALSE(dialog->isCompressing());
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->finishedCompressions() == 1; }, 5000));
  EXPECT_EQ(dialog->lastResult(), ZorCompressResult::Stopped);
  EXPECT_LT(ZorState().progress(), 400);
  dialog.reset();
  EXPECT_FALSE(files::exists(temp.file("long.ZOR")));

  // Destroying the dialog mid-way joins the worker too.
  auto second = std::make_unique<ZorBuilderDialog>();
  ProgressLog secondProgress(second.get());
  ASSERT_TRUE(second->startCompression(source, 400));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !secondProgress.reports.empty(); }, 20000));
  second.reset();
  EXPECT_FALSE(files::exists(temp.file("long.ZOR")));
}

TEST(ZorBuilderDialogTest, RaisedStopFlagEndsCompressionWithoutAFile) {
  tessera::testing::TempDir temp;
  const std::string source = writeStrip(temp, "tiny.tga", 8, 3);
  ZorAnimation animation;
  std::atomic<bool> stop{true};
  EXPECT_EQ(CompressToZor(source, 3, animation, {}, {}, &stop), ZorCompressResult::Stopped);
  EXPECT_FALSE(files::exists(temp.file("tiny.ZOR")));
  stop = false;
  EXPECT_EQ(CompressToZor(source, 3, animation, {}, {}, &stop), ZorCompressResult::Written);
  EXPECT_TRUE(files::exists(temp.file("tiny.ZOR")));
}

TEST(ZorBuilderDialogTest, TheProgressBarCountsFramesAndCancelWritesNoFile) {
  tessera::testing::TempDir temp;
  const std::string source = writeStrip(temp, "wave.tga", 16, 8);
  ZorBuilderDialog dialog;
  dialog.show();
  EXPECT_FALSE(dialog.progressBar()->isVisible());
  EXPECT_FALSE(dialog.cancelButton()->isVisible());

  // The worker waits after its second frame until the test has pressed Cancel.
  std::promise<void> reached;
  std::promise<void> pressed;
  std::shared_future<void> pressedFuture = pressed.get_future().share();
  dialog.setFrameHook([&reached, pressedFuture](int done, int) {
    if (done != 2) return;
    reached.set_value();
    pressedFuture.wait();
  });
  QEventLoop finished;
  QObject::connect(&dialog, &ZorBuilderDialog::compressionFinished, &finished, &QEventLoop::quit, Qt::QueuedConnection);
  ASSERT_TRUE(dialog.startCompression(source, 8));
  EXPECT_TRUE(dialog.progressBar()->isVisible());
  EXPECT_EQ(dialog.progressBar()->maximum(), 8);
  reached.get_future().wait();
  ASSERT_TRUE(dialog.cancelButton()->isVisible());
  QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
  pressed.set_value();
  finished.exec();

  EXPECT_EQ(dialog.lastResult(), ZorCompressResult::Stopped);
  EXPECT_FALSE(files::exists(temp.file("wave.ZOR")));
  EXPECT_FALSE(dialog.progressBar()->isVisible());
  EXPECT_FALSE(dialog.cancelButton()->isVisible());
  EXPECT_EQ(ZorState().progress(), 2) << "no frame after the cancelled one";

  // Run to the end, the bar reaches the frame count before it goes away.
  dialog.setFrameHook({});
  std::vector<int> bar;
  QObject::connect(&dialog, &ZorBuilderDialog::progressed, &dialog,
                   [&](int, int) { bar.push_back(dialog.progressBar()->value()); }, Qt::QueuedConnection);
  ASSERT_TRUE(dialog.startCompression(source, 8));
  finished.exec();
  EXPECT_EQ(dialog.lastResult(), ZorCompressResult::Written);
  ASSERT_FALSE(bar.empty());
  EXPECT_EQ(bar.back(), 8);
  EXPECT_TRUE(files::exists(temp.file("wave.ZOR")));
}

TEST(ZorBuilderDialogTest, TheBarsSayWhatTheyAre) {
  ZorBuilderDialog dialog;
  EXPECT_FALSE(dialog.qualitySlider()->toolTip().isEmpty());
  EXPECT_FALSE(dialog.frameBar()->toolTip().isEmpty());
  EXPECT_FALSE(dialog.progressBar()->toolTip().isEmpty());
  EXPECT_FALSE(dialog.cancelButton()->toolTip().isEmpty());
}

}  // namespace
}  // namespace tessera::ui
