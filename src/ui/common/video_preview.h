#pragma once
// A small preview that plays a video file over and over. Where nothing can play it (no display to
// play on, no media back end, a missing or unreadable file) it says why in one line instead.
#include <QWidget>
#include <memory>

class QLabel;
class QStackedLayout;

namespace tessera::ui {

class VideoBackend;

class VideoPreview final : public QWidget {
  Q_OBJECT
 public:
  explicit VideoPreview(QWidget* parent = nullptr);
  ~VideoPreview() override;

  void playFile(const QString& path);
  // Stops and shows `text` instead of a video.
  void showText(const QString& text);
  // The line shown instead of a video, or empty while a video plays.
  QString message() const;
  bool isPlaying() const;

 private:
  bool ensurePlayer();
  QStackedLayout* stack_ = nullptr;
  QLabel* message_ = nullptr;
  std::unique_ptr<VideoBackend> player_;
  QString why_;  // why no player could be made, once tried
};

}  // namespace tessera::ui
