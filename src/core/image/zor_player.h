#pragma once
// Plays a ZOR animation where the editor shows one (slot previews, the section editor's large
// preview, the main window's animation area): its own decoder and one GUI-thread timer that
// steps through the frames in a loop. step() advances by hand, so callers and tests need no
// waiting.
#include <QImage>
#include <QObject>
#include <QTimer>
#include <string>

#include "core/image/zor_animation.h"

namespace tessera {

class ZorPlayer : public QObject {
  Q_OBJECT
 public:
  // ZOR files keep no frame rate; this is the pace the builder plays at, near 15 frames a second.
  static constexpr int kFrameMs = 66;

  explicit ZorPlayer(QObject* parent = nullptr);

  // Loads the animation at `path` and starts playing it from its first frame; false (and nothing
  // loaded) when it cannot be read. A file of one frame shows still.
  bool load(const std::string& path);
  void clear();
  bool isLoaded() const { return !image_.isNull(); }
  const std::string& path() const { return path_; }

  int frameCount() const { return frames_; }
  int frame() const { return frame_; }
  // The current frame, pre-multiplied ARGB (null when nothing is loaded).
  const QImage& image() const { return image_; }
  bool playing() const { return timer_.isActive(); }

  // The next frame (after the last: the first again).
  void step();

 signals:
  void frameChanged();

 private:
  bool show(int index);

  ZorAnimation animation_;
  QTimer timer_;
  std::string path_;
  int frames_ = 0;
  int frame_ = 0;
  QImage image_;
};

// True for a path whose extension is ".zor" (any letter case).
bool IsZorPath(const std::string& path);

}  // namespace tessera
