// The renderer stand-in as Apply uses it: it takes the skin to show and drops its pictures. The
// skin shown on the sample desktop is the one the loader reads from the engine settings.
#include <mutex>
#include <string>

#include "core/engine/vl_abi.h"

namespace {
std::mutex stateMutex;
std::string currentSkin;
}  // namespace

extern "C" {

VL_EXPORT int LoadUISFile(const char* uisPath, int /*forSkinList*/) {
  std::lock_guard lock(stateMutex);
  currentSkin = uisPath ? uisPath : "";
  return currentSkin.empty() ? 0 : 1;
}

VL_EXPORT void DestroyBitmaps_and_Masks(int /*unused*/) {}

}  // extern "C"
