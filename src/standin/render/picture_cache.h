#pragma once
// Decoded pictures of the current skin, kept until the skin drops them
// (DestroyBitmaps_and_Masks) so that a preview with many elements reads each file once.
#include <QImage>
#include <map>
#include <string>
#include <utility>

#include "standin/render/picture_loader.h"

namespace tessera::render {

class PictureCache {
 public:
  // The picture at `path` prepared for drawing, or a null image when it cannot be read. A file
  // that changed on disk since it was cached is read again.
  const QImage& picture(const std::string& path, Transparency transparency);
  void clear() { entries_.clear(); }
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    long long modified = 0;
    long long bytes = -1;
    QImage image;
  };
  // Bounded so that a fuzzed skin naming thousands of files cannot grow it without end.
  static constexpr std::size_t kMaxEntries = 512;
  std::map<std::pair<std::string, int>, Entry> entries_;
};

}  // namespace tessera::render
