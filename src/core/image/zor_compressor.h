#pragma once
// Turns a vertical frame strip into a ZOR animation.
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/image/image_buffer.h"
#include "core/image/zor_animation.h"
#include "core/image/zor_file.h"
#include "core/platform/progress.h"

namespace tessera {

// Called after each frame with the number of frames done and the frame count; false stops the
// compression as a raised stop flag does. The compressor runs on a worker thread: the callback
// must hand the news to the user-interface thread itself.
using ZorProgress = ProgressCallback;

// The message the builder shows when the source cannot be loaded, and its caption.
inline constexpr const char* kZorUnableToOpenText = "Unable to open file";
inline constexpr const char* kZorUnableToOpenCaption = "hj";

// The tolerance frame `index` of `frameCount` is compressed with: the quality, plus 1 on frames
// 2, 3, 6, 7, ...; the last frame always uses the plain quality.
int ZorFrameQuality(int index, int frameCount, int quality);

// Compresses a vertical strip of `frameCount` frames (frame height = strip height / frameCount)
// at `quality` (lower is better). With `publishTo` every finished frame is published to that
// animation at once, so a viewer can show it. None when the frame count is above 1000 or leaves
// frames without rows, or when `stop` was raised (checked between frames) or `progress` asked to
// stop before the last frame was done.
std::optional<ZorFile> CompressStrip(const ImageBuffer& strip, int frameCount, int quality,
                                     ZorAnimation* publishTo = nullptr, const ZorProgress& progress = {},
                                     const std::atomic<bool>* stop = nullptr);

// The ZOR name of a source: its last three characters replaced by "ZOR".
std::string ZorNameFor(std::string_view sourcePath);

enum class ZorCompressResult { Written, CannotOpenSource, BadFrameCount, CannotWrite, Stopped };

// Loads the strip at `sourcePath`, compresses it with the animation's quality into the animation
// and writes the file (to `outputPath`, or ZorNameFor(sourcePath) when empty). A frame count
// below 1 counts as 1. Raising `stop`, or `progress` answering false, ends the work after the
// frame in hand; nothing is written.
ZorCompressResult CompressToZor(const std::string& sourcePath, int frameCount, ZorAnimation& animation,
                                const ZorProgress& progress = {}, const std::string& outputPath = {},
                                const std::atomic<bool>* stop = nullptr);
ZorCompressResult CompressToZor(const std::string& sourcePath, int frameCount);

}  // namespace tessera
