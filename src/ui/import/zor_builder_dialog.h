#pragma once
// The "ZOR file builder" (ZorBuilderDialog): compresses a vertical frame strip into a ZOR file
// on a worker thread while the view shows the frames as they finish and a bar counts them (with
// a Cancel button that stops the compression without writing a file), and plays the result.
#include <QDialog>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "core/image/zor_compressor.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QSlider;
class QTimer;

namespace tessera::ui {

class ZorView;

class ZorBuilderDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ZorBuilderDialog(QWidget* parent = nullptr);
  ~ZorBuilderDialog() override;

  // Starts the compressor on `path` with `frames` frames; false while one is still running.
  bool startCompression(const std::string& path, int frames);
  bool isCompressing() const { return worker_.joinable() && !finished_; }
  // Plays every frame from the first, one each 33 ms ("Test").
  void play();
  bool isPlaying() const;

  // Asks the running compression to stop after the frame in hand; it then writes no file.
  void cancelCompression();
  // Runs on the worker after each frame is reported, before it goes on: tests hold the worker
  // there to act at a known frame.
  using FrameHook = std::function<void(int framesDone, int frameCount)>;
  void setFrameHook(FrameHook hook) { frameHook_ = std::move(hook); }

  ZorView* view() const { return view_; }
  QProgressBar* progressBar() const { return progressBar_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  QScrollBar* frameBar() const { return frameBar_; }
  QSlider* qualitySlider() const { return qualitySlider_; }
  QPushButton* reencodeButton() const { return reencodeButton_; }
  // The outcome of the last finished compression.
  ZorCompressResult lastResult() const { return lastResult_; }
  int finishedCompressions() const { return finishedCompressions_; }

 public slots:
  // "Close" and Escape: the worker is stopped and joined first.
  void reject() override;

 signals:
  void progressed(int framesDone, int frameCount);
  void compressionFinished(tessera::ZorCompressResult result);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildLayout();
  void compressFile();
  void reencode();
  void openExisting();
  void showProgress(int framesDone, int frameCount);
  void finishCompression(ZorCompressResult result);
  void stepPlayback();
  void stopWorker();
  void animationChanged();

  std::string path_;
  int frames_ = 0;
  std::thread worker_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{true};
  FrameHook frameHook_;
  ZorCompressResult lastResult_ = ZorCompressResult::Written;
  int finishedCompressions_ = 0;

  ZorView* view_ = nullptr;
  QScrollBar* frameBar_ = nullptr;
  QSlider* qualitySlider_ = nullptr;
  QLabel* qualityLabel_ = nullptr;
  QPushButton* reencodeButton_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QCheckBox* blocksBox_ = nullptr;
  QTimer* playTimer_ = nullptr;
};

}  // namespace tessera::ui
