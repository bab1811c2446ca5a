#include "core/image/cdib.h"

#include "core/image/image_file.h"

namespace tessera {

int CDib::Load(std::string_view path) {
  image_.reset();
  image_ = LoadImageFile(path);
  return 0;
}

}  // namespace tessera
