#include "standin/render/frame_selection.h"

#include <algorithm>

namespace tessera::render {

int UsableFrameCount(QSize picture, int frameCount, bool vertical) {
  const int length = vertical ? picture.height() : picture.width();
  return std::clamp(frameCount, 1, std::max(1, length));
}

int FrameForState(int state, int frameCount) {
  const int index = state - 1;
  return index >= 0 && index < frameCount ? index : 0;
}

QRect FrameRect(QSize picture, int frameCount, bool vertical, int index) {
  if (picture.isEmpty()) return {};
  const int count = UsableFrameCount(picture, frameCount, vertical);
  index = std::clamp(index, 0, count - 1);
  if (vertical) {
    const int h = picture.height() / count;
    return QRect(0, index * h, picture.width(), h);
  }
  const int w = picture.width() / count;
  return QRect(index * w, 0, w, picture.height());
}

}  // namespace tessera::render
