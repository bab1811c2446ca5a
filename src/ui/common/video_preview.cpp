#include "ui/common/video_preview.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMediaPlayer>
#include <QStackedLayout>
#include <QUrl>
#include <QVideoWidget>

namespace tessera::ui {

namespace {
// Platforms without a screen: a player would decode for nobody (and start threads in tests).
bool displayCanPlay() {
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}
}  // namespace

VideoPreview::VideoPreview(QWidget* parent) : QWidget(parent) {
  stack_ = new QStackedLayout(this);
  stack_->setContentsMargins(0, 0, 0, 0);
  message_ = new QLabel(this);
  message_->setAlignment(Qt::AlignCenter);
  message_->setWordWrap(true);
  message_->setFrameShape(QFrame::StyledPanel);
  stack_->addWidget(message_);
  // The size the desktop shows these animations at.
  setMinimumSize(272, 60);
}

VideoPreview::~VideoPreview() {
  if (player_) player_->stop();
}

bool VideoPreview::ensurePlayer() {
  if (player_) return true;
  if (!why_.isEmpty()) return false;
  if (!displayCanPlay()) {
    why_ = QStringLiteral("Videos do not play on this display.");
    return false;
  }
  auto* player = new QMediaPlayer(this);
  if (!player->isAvailable()) {
    delete player;
    why_ = QStringLiteral("Videos cannot play: no media back end is installed.");
    return false;
  }
  player_ = player;
  video_ = new QVideoWidget(this);
  stack_->addWidget(video_);
  player_->setVideoOutput(video_);
  player_->setLoops(QMediaPlayer::Infinite);
  connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& text) {
    showText(QStringLiteral("This video cannot play: %1").arg(text.isEmpty() ? QStringLiteral("unknown error") : text));
  });
  return true;
}

void VideoPreview::playFile(const QString& path) {
  const QFileInfo file(path);
  if (!file.isFile()) {
    showText(QStringLiteral("The file \"%1\" cannot be found.").arg(file.fileName()));
    return;
  }
  if (!ensurePlayer()) {
    showText(QStringLiteral("%1 (%2)").arg(why_, file.fileName()));
    return;
  }
  message_->clear();
  stack_->setCurrentWidget(video_);
  player_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  player_->play();
}

void VideoPreview::showText(const QString& text) {
  if (player_) {
    player_->stop();
    player_->setSource(QUrl());
  }
  message_->setText(text);
  stack_->setCurrentWidget(message_);
}

QString VideoPreview::message() const { return stack_->currentWidget() == message_ ? message_->text() : QString(); }

bool VideoPreview::isPlaying() const { return player_ && player_->playbackState() == QMediaPlayer::PlayingState; }

}  // namespace tessera::ui
