#pragma once
// Decoded pictures of the current skin, kept until the skin drops them
// (DestroyBitmaps_and_Masks) so that a preview with many elements reads each file once.
#include <QImage>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "standin/render/picture_loader.h"

namespace tessera::render {

class PictureCache {
 public:
  // The picture at `path` prepared for drawing, or a null image when it cannot be read. A file
  // that changed on disk since it was cached is read again. For a ZOR animation, frame
  // `animationFrame` of it.
  // With a `mask` (older skins: a black-and-white picture of the same size), white pixels of
  // the mask make the picture transparent.
  const QImage& picture(const std::string& path, Transparency transparency, int animationFrame = 0,
                        const std::string& mask = {});
  // The frame count of a ZOR animation (1 for other pictures), once it has been read.
  int animationFrames(const std::string& path, Transparency transparency);
  void clear() { entries_.clear(); }
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    long long modified = 0;
    long long bytes = -1;
    int animationFrames = 1;
    QImage image;
  };
  // Bounded so that a fuzzed skin naming thousands of files cannot grow it without end.
  static constexpr std::size_t kMaxEntries = 512;
  struct Key {
    std::string path;
    int transparency;
    int frame;
    std::string mask;
    bool operator<(const Key& o) const {
      return std::tie(path, transparency, frame, mask) < std::tie(o.path, o.transparency, o.frame, o.mask);
    }
  };
  std::map<Key, Entry> entries_;
};

}  // namespace tessera::render
