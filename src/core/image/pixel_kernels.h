#pragma once
// Wide forms of the alpha conversions for processors that have them. Each handles whole groups
// of eight pixels and returns how many pixels it did; the caller finishes the rest. Both give
// exactly the results of the per-pixel forms in image_buffer.h.
#include <cstddef>
#include <cstdint>

namespace tessera::pixel_kernels {

// True when this processor runs the wide forms.
bool WideAvailable();

std::size_t PremultiplyWide(std::uint32_t* pixels, std::size_t count);
// `target` may be unaligned (a file image after its header) or the source itself.
std::size_t UnpremultiplyWide(const std::uint32_t* source, void* target, std::size_t count);

}  // namespace tessera::pixel_kernels
