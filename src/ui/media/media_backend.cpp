// The media module: VideoBackend on Qt Multimedia, loaded by the editor when a video first plays.
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>
#include <memory>

#include "ui/common/video_backend.h"

namespace tessera::ui {
namespace {

class MultimediaBackend final : public VideoBackend {
 public:
  MultimediaBackend(QWidget* parent, std::unique_ptr<QMediaPlayer> player, VideoErrorHandler onError)
      : video_(new QVideoWidget(parent)), player_(std::move(player)) {
    player_->setVideoOutput(video_);
    player_->setLoops(QMediaPlayer::Infinite);
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, video_,
                     [onError = std::move(onError)](QMediaPlayer::Error, const QString& text) {
                       if (onError) onError(text);
                     });
  }
  // The player goes first; the widget goes with its parent.
  ~MultimediaBackend() override { player_->stop(); }

  QWidget* widget() override { return video_; }
  void play(const QString& absolutePath) override {
    player_->setSource(QUrl::fromLocalFile(absolutePath));
    player_->play();
  }
  void stop() override {
    player_->stop();
    player_->setSource(QUrl());
  }
  bool isPlaying() const override { return player_->playbackState() == QMediaPlayer::PlayingState; }

 private:
  QVideoWidget* video_;
  std::unique_ptr<QMediaPlayer> player_;
};

}  // namespace
}  // namespace tessera::ui

extern "C" Q_DECL_EXPORT tessera::ui::VideoBackend* tessera_make_video_backend(QWidget* parent,
                                                                               tessera::ui::VideoErrorHandler onError,
                                                                               QString* why) {
  auto player = std::make_unique<QMediaPlayer>();
  if (!player->isAvailable()) {
    if (why) *why = QStringLiteral("Videos cannot play: no media back end is installed.");
    return nullptr;
  }
  return new tessera::ui::MultimediaBackend(parent, std::move(player), std::move(onError));
}
