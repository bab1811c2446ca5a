#include "core/image/zor_player.h"

#include "core/platform/paths.h"

namespace tessera {

ZorPlayer::ZorPlayer(QObject* parent) : QObject(parent) {
  timer_.setInterval(kFrameMs);
  connect(&timer_, &QTimer::timeout, this, &ZorPlayer::step);
}

bool ZorPlayer::load(const std::string& path) {
  clear();
  if (path.empty() || !animation_.load(paths::resolve(path))) return false;
  frames_ = animation_.frameCount();
  if (frames_ <= 0 || !show(0)) {
    clear();
    return false;
  }
  path_ = path;
  if (frames_ > 1) timer_.start();
  return true;
}

void ZorPlayer::clear() {
  const bool had = isLoaded();
  timer_.stop();
  animation_.clear();
  path_.clear();
  frames_ = 0;
  frame_ = 0;
  image_ = QImage();
  if (had) emit frameChanged();
}

bool ZorPlayer::show(int index) {
  const std::optional<ImageBuffer> decoded = animation_.decodeFrame(index);
  if (!decoded || decoded->width() <= 0 || decoded->height() <= 0) return false;
  // The decoder's pixels are pre-multiplied BGRA words: the layout of Format_ARGB32_Premultiplied.
  image_ = QImage(reinterpret_cast<const uchar*>(decoded->pixels()), decoded->width(), decoded->height(),
                  decoded->width() * 4, QImage::Format_ARGB32_Premultiplied)
               .copy();
  frame_ = index;
  return true;
}

void ZorPlayer::step() {
  if (frames_ <= 0) return;
  const int next = (frame_ + 1) % frames_;
  // A damaged frame stops the animation on the last good one.
  if (!show(next)) {
    timer_.stop();
    return;
  }
  emit frameChanged();
}

bool IsZorPath(const std::string& path) { return paths::equalsIgnoreCase(paths::extension(path), "zor"); }

}  // namespace tessera
