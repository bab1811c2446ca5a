// Random bytes as a ZOR file: loading and decoding every frame (with and without the block
// markers) must refuse damage without reading outside the stream or the frames.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/image/zor_animation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Keep the fuzzer on the decoder, not on allocating very large frames.
  if (size >= 12) {
    std::uint32_t w, h;
    __builtin_memcpy(&w, data + 4, 4);
    __builtin_memcpy(&h, data + 8, 4);
    if (std::uint64_t{w} * h > 64 * 64) return 0;
  }
  tessera::ZorAnimation animation;
  if (!animation.loadData(bytes)) return 0;
  const auto file = animation.snapshot();
  for (int i = 0; i < animation.frameCount(); ++i) {
    const auto frame = animation.decodeFrame(i);
    if (frame && (frame->width() != file.width || frame->height() != file.height)) __builtin_trap();
    (void)tessera::ZorFrameTags(file, i);
  }
  animation.setShowBlocks(true);
  for (int i = animation.frameCount() - 1; i >= 0; --i) (void)animation.decodeFrame(i);
  return 0;
}
