#pragma once
// Frame strips: N equal frames side by side (horizontal) or stacked (vertical), frame 0 leftmost
// or topmost; the flips between the two forms and the rule that picks a strip's file format.
#include <string_view>

#include "core/image/image_buffer.h"

namespace tessera {

// A frame count of 0 (or less) counts as 1.
int EffectiveFrameCount(int frameCount);

struct FrameSize {
  int width = 0;
  int height = 0;
};
// Size of one frame of a picture; remainder columns or rows are dropped.
FrameSize FrameSizeOf(int pictureWidth, int pictureHeight, int frameCount, bool vertical);

// True when a strip saved to `path` is TGA-encoded: the path contains ".tga" or ".png" (any
// case) after its first character, whatever the extension. Otherwise it is a 24-bit BMP.
bool SavesStripAsTga(std::string_view path);
// Saves by that rule; a BMP gets magenta where the picture is transparent. False when the file
// cannot be written.
bool SaveStrip(std::string_view path, ImageBuffer image);

// Rewrite the picture at `path` in place, turning a horizontal strip of `frameCount` frames into
// a vertical one and back. Magenta in the source counts as transparent. False when the picture
// cannot be read or written.
bool FlipHorizontalToVertical(std::string_view path, int frameCount);
bool FlipVerticalToHorizontal(std::string_view path, int frameCount);

}  // namespace tessera
