// The preview library stand-in. It keeps the current skin; the drawing operations come with the
// renderer.
#include <mutex>
#include <string>

#include "core/engine/vl_abi.h"

namespace {
std::mutex stateMutex;
std::string currentSkin;
std::string skinDir;
VlImageLoader imageLoader = nullptr;
}  // namespace

extern "C" {

VL_EXPORT void SetSkinDir(const char* folder) {
  std::lock_guard lock(stateMutex);
  skinDir = folder ? folder : "";
}

VL_EXPORT int LoadUISFile(const char* uisPath, int /*forSkinList*/) {
  std::lock_guard lock(stateMutex);
  currentSkin = uisPath ? uisPath : "";
  return currentSkin.empty() ? 0 : 1;
}

VL_EXPORT void DestroyBitmaps_and_Masks(int /*unused*/) {}

VL_EXPORT void SetPointer(VlImageLoader loader) {
  std::lock_guard lock(stateMutex);
  imageLoader = loader;
}

}  // extern "C"
