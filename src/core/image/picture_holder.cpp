#include "core/image/picture_holder.h"

#include "core/image/image_file.h"

namespace tessera {

int PictureHolder::Load(std::string_view path) {
  image_.reset();
  image_ = LoadImageFile(path);
  return 0;
}

}  // namespace tessera
