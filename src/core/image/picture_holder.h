#pragma once
// The picture holder of the image views: owns at most one picture, loaded from a file.
#include <optional>
#include <string_view>

#include "core/image/image_buffer.h"

namespace tessera {

class PictureHolder {
 public:
  // Drops the held picture and loads `path`; a file that cannot be read leaves the holder empty.
  // Returns 0.
  int Load(std::string_view path);
  void Release() { image_.reset(); }

  bool isEmpty() const { return !image_.has_value(); }
  int width() const { return image_ ? image_->width() : 0; }
  int height() const { return image_ ? image_->height() : 0; }
  // The held picture, or nullptr.
  const ImageBuffer* image() const { return image_ ? &*image_ : nullptr; }

 private:
  std::optional<ImageBuffer> image_;
};

}  // namespace tessera
