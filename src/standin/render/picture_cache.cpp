#include "standin/render/picture_cache.h"

#include <sys/stat.h>

#include <algorithm>

namespace tessera::render {

int PictureCache::animationFrames(const std::string& path, Transparency transparency) {
  if (!IsAnimationFile(path)) return 1;
  picture(path, transparency, 0);
  const auto it = entries_.find(Key{path, static_cast<int>(transparency), 0, {}});
  return it == entries_.end() ? 1 : it->second.animationFrames;
}

namespace {

void applyMask(QImage& picture, const QImage& mask) {
  if (picture.isNull() || mask.isNull()) return;
  const int w = std::min(picture.width(), mask.width());
  const int h = std::min(picture.height(), mask.height());
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      if (qGray(m[x]) >= 128) row[x] = 0;
    }
  }
}

}  // namespace

const QImage& PictureCache::picture(const std::string& path, Transparency transparency, int animationFrame,
                                    const std::string& mask) {
  static const QImage none;
  if (path.empty()) return none;
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return none;
  const long long modified = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  const Key key{path, static_cast<int>(transparency), IsAnimationFile(path) ? std::max(animationFrame, 0) : 0, mask};
  auto it = entries_.find(key);
  if (it != entries_.end() && it->second.modified == modified && it->second.bytes == st.st_size) {
    return it->second.image;
  }
  if (it == entries_.end() && entries_.size() >= kMaxEntries) entries_.clear();
  Entry& entry = entries_[key];
  entry.modified = modified;
  entry.bytes = st.st_size;
  entry.image = PrepareForDrawing(DecodePictureFile(path, key.frame, &entry.animationFrames), transparency);
  if (!mask.empty()) applyMask(entry.image, DecodePictureFile(mask));
  return entry.image;
}

}  // namespace tessera::render
