#pragma once
// The player behind VideoPreview. It lives in a module of its own (tessera_media) that links Qt
// Multimedia with its sound and codec libraries; the editor loads that module the first time a
// video plays, so a start-up that plays nothing never loads them.
#include <QString>
#include <functional>

class QWidget;

namespace tessera::ui {

class VideoBackend {
 public:
  virtual ~VideoBackend() = default;
  // The widget the video shows in, a child of the parent it was made for.
  virtual QWidget* widget() = 0;
  // Plays the file at `absolutePath` over and over.
  virtual void play(const QString& absolutePath) = 0;
  virtual void stop() = 0;
  virtual bool isPlaying() const = 0;
};

using VideoErrorHandler = std::function<void(const QString& text)>;

// The module's one entry point: a player for `parent` that reports playback errors to `onError`,
// or null with `why` set when no media back end is installed.
using MakeVideoBackend = VideoBackend* (*)(QWidget* parent, VideoErrorHandler onError, QString* why);
inline constexpr const char* kMakeVideoBackendSymbol = "tessera_make_video_backend";

}  // namespace tessera::ui
