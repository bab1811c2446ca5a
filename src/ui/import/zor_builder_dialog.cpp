#include "ui/import/zor_builder_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include "core/image/zor_animation.h"
#include "ui/import/frame_count_dialog.h"
#include "ui/common/file_picker.h"
#include "ui/import/zor_view.h"

namespace tessera::ui {

namespace {
constexpr int kPlayIntervalMs = 33;
constexpr int kBlocksRedrawDelayMs = 100;
}  // namespace

ZorBuilderDialog::ZorBuilderDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ZOR file builder"));
  qRegisterMetaType<tessera::ZorCompressResult>("tessera::ZorCompressResult");
  buildLayout();
  // The worker reports through these signals; queued, so the widgets are touched on this thread.
  connect(this, &ZorBuilderDialog::progressed, this, &ZorBuilderDialog::showProgress, Qt::QueuedConnection);
  connect(this, &ZorBuilderDialog::compressionFinished, this, &ZorBuilderDialog::finishCompression,
          Qt::QueuedConnection);
  animationChanged();
}

ZorBuilderDialog::~ZorBuilderDialog() { stopWorker(); }

void ZorBuilderDialog::buildLayout() {
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  auto* compress = new QPushButton(QStringLiteral("Compress file"), this);
  reencodeButton_ = new QPushButton(QStringLiteral("Reencode"), this);
  auto* open = new QPushButton(QStringLiteral("Open existing file..."), this);
  auto* test = new QPushButton(QStringLiteral("Test"), this);
  for (QPushButton* button : {compress, reencodeButton_, open, test}) buttons->addWidget(button);
  layout->addLayout(buttons);

  auto* qualityRow = new QHBoxLayout;
  qualityRow->addWidget(new QLabel(QStringLiteral("Quality : (Lower is better)"), this));
  qualitySlider_ = new QSlider(Qt::Horizontal, this);
  qualitySlider_->setRange(0, 30);
  qualitySlider_->setValue(ZorState().quality());
  qualitySlider_->setToolTip(QStringLiteral("Compression quality (lower is better)"));
  qualityLabel_ = new QLabel(QString::number(ZorState().quality()), this);
  qualityRow->addWidget(qualitySlider_, 1);
  qualityRow->addWidget(qualityLabel_);
  layout->addLayout(qualityRow);

  view_ = new ZorView(ZorState(), this);
  layout->addWidget(view_, 1);
  frameBar_ = new QScrollBar(Qt::Horizontal, this);
  frameBar_->setSingleStep(1);
  frameBar_->setPageStep(10);
  frameBar_->setToolTip(QStringLiteral("Frame shown"));
  layout->addWidget(frameBar_);

  blocksBox_ = new QCheckBox(QStringLiteral("Show compression blocks"), this);
  blocksBox_->setChecked(ZorState().showBlocks());
  blocksBox_->hide();
  layout->addWidget(blocksBox_);

  auto* closing = new QHBoxLayout;
  // Shown while a compression runs: frames done of the strip's frames.
  progressBar_ = new QProgressBar(this);
  progressBar_->setFormat(QStringLiteral("Compressing frame %v of %m"));
  progressBar_->setToolTip(QStringLiteral("Frames compressed"));
  progressBar_->hide();
  cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancelButton_->setToolTip(QStringLiteral("Stop the compression; no ZOR file is written"));
  cancelButton_->hide();
  closing->addWidget(progressBar_, 1);
  closing->addWidget(cancelButton_);
  closing->addStretch(1);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  closing->addWidget(close);
  layout->addLayout(closing);

  playTimer_ = new QTimer(this);
  playTimer_->setInterval(kPlayIntervalMs);

  connect(compress, &QPushButton::clicked, this, &ZorBuilderDialog::compressFile);
  connect(reencodeButton_, &QPushButton::clicked, this, &ZorBuilderDialog::reencode);
  connect(open, &QPushButton::clicked, this, &ZorBuilderDialog::openExisting);
  connect(test, &QPushButton::clicked, this, &ZorBuilderDialog::play);
  connect(cancelButton_, &QPushButton::clicked, this, &ZorBuilderDialog::cancelCompression);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(qualitySlider_, &QSlider::valueChanged, qualityLabel_, [this](int value) {
    qualityLabel_->setText(QString::number(value));
  });
  connect(qualitySlider_, &QSlider::sliderReleased, this, [this] { ZorState().setQuality(qualitySlider_->value()); });
  // Keyboard and wheel changes have no release; they store the value at once.
  connect(qualitySlider_, &QSlider::actionTriggered, this, [this](int action) {
    if (action != QAbstractSlider::SliderMove) {
      QTimer::singleShot(0, this, [this] { ZorState().setQuality(qualitySlider_->value()); });
    }
  });
  connect(frameBar_, &QScrollBar::valueChanged, view_, &ZorView::setFrame);
  connect(playTimer_, &QTimer::timeout, this, &ZorBuilderDialog::stepPlayback);
  connect(blocksBox_, &QCheckBox::toggled, this, [this](bool on) {
    ZorState().setShowBlocks(on);
    QTimer::singleShot(kBlocksRedrawDelayMs, view_, qOverload<>(&QWidget::update));
  });
}

void ZorBuilderDialog::compressFile() {
  const QString picked = PickFile(
      this, {.title = QStringLiteral("Select animation to compress... (Vertical stack only)"),
             .filter = QStringLiteral("Images (.tga) (*.tga)"),
             .defaultSuffix = QStringLiteral("tga"),
             .preview = true});
  if (picked.isEmpty()) return;
  path_ = picked.toStdString();
  FrameCountDialog question(this);
  if (question.exec() != QDialog::Accepted || question.frames() < 1) return;
  frames_ = question.frames();
  startCompression(path_, frames_);
}

void ZorBuilderDialog::reencode() {
  if (frames_ > 0) startCompression(path_, frames_);
}

void ZorBuilderDialog::openExisting() {
  const QString picked = PickFile(this, {.title = QStringLiteral("Select existing ZOR..."),
                                         .filter = QStringLiteral("Images (.zor) (*.zor)"),
                                         .defaultSuffix = QStringLiteral("zor"),
                                         .initialName = QStringLiteral("*.zor"),
                                         .preview = true});
  if (picked.isEmpty() || isCompressing()) return;
  if (LoadZor(picked.toStdString())) animationChanged();
}

bool ZorBuilderDialog::startCompression(const std::string& path, int frames) {
  if (isCompressing()) return false;
  if (worker_.joinable()) worker_.join();
  path_ = path;
  frames_ = frames;
  playTimer_->stop();
  stop_ = false;
  finished_ = false;
  frameBar_->setRange(0, std::max(frames, 1) - 1);
  frameBar_->setValue(0);
  progressBar_->setRange(0, std::max(frames, 1));
  progressBar_->setValue(0);
  progressBar_->show();
  cancelButton_->setEnabled(true);
  cancelButton_->show();
  worker_ = std::thread([this, path, frames] {
    const ZorCompressResult result = CompressToZor(
        path, frames, ZorState(),
        [this](std::int64_t done, std::int64_t count) {
          emit progressed(static_cast<int>(done), static_cast<int>(count));
          if (frameHook_) frameHook_(static_cast<int>(done), static_cast<int>(count));
          return !stop_.load();
        },
        {}, &stop_);
    finished_ = true;
    emit compressionFinished(result);
  });
  return true;
}

void ZorBuilderDialog::cancelCompression() {
  if (!isCompressing()) return;
  stop_ = true;
  cancelButton_->setEnabled(false);
}

void ZorBuilderDialog::showProgress(int framesDone, int frameCount) {
  progressBar_->setRange(0, std::max(frameCount, 1));
  progressBar_->setValue(framesDone);
  frameBar_->setRange(0, std::max(frameCount, 1) - 1);
  frameBar_->setValue(framesDone - 1);
  view_->update();
}

void ZorBuilderDialog::finishCompression(ZorCompressResult result) {
  if (worker_.joinable()) worker_.join();
  lastResult_ = result;
  ++finishedCompressions_;
  progressBar_->hide();
  cancelButton_->hide();
  if (result == ZorCompressResult::CannotOpenSource) {
    QMessageBox::information(this, QString::fromLatin1(kZorUnableToOpenCaption), QString::fromLatin1(kZorUnableToOpenText));
  }
  animationChanged();
}

void ZorBuilderDialog::animationChanged() {
  const int count = ZorState().frameCount();
  frameBar_->setRange(0, std::max(count, 1) - 1);
  view_->setFrame(frameBar_->value());
}

void ZorBuilderDialog::play() {
  frameBar_->setValue(0);
  view_->setFrame(0);
  playTimer_->start();
}

bool ZorBuilderDialog::isPlaying() const { return playTimer_->isActive(); }

void ZorBuilderDialog::stepPlayback() {
  const int next = frameBar_->value() + 1;
  if (next > frameBar_->maximum() || next >= ZorState().frameCount()) {
    playTimer_->stop();
    return;
  }
  frameBar_->setValue(next);
}

void ZorBuilderDialog::stopWorker() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
}

void ZorBuilderDialog::closeEvent(QCloseEvent* event) {
  stopWorker();
  QDialog::closeEvent(event);
}

void ZorBuilderDialog::reject() {
  // The worker writes into the shared animation: it ends before the dialog does.
  stopWorker();
  playTimer_->stop();
  QDialog::reject();
}

}  // namespace tessera::ui
