#pragma once
// The in-memory animation: the ZOR file being viewed or built, the last decoded frame and the
// statistics of the viewer. The builder dialog's view decodes frames from it while the compressor
// fills it on a worker thread, so every member is guarded by one mutex.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "core/image/image_buffer.h"
#include "core/image/zor_file.h"

namespace tessera {

struct ZorFrameStatistics {
  int wordsRead = 0;
  int pixelsWritten = 0;  // a transparent run counts as one
  int blocksRead = 0;     // blocks other than literal pixels
};

class ZorAnimation {
 public:
  // Reads a ZOR file; false (and the state unchanged) when it cannot be read or is damaged.
  bool load(std::string_view path);
  bool loadData(std::string_view bytes);
  void clear();

  // Decodes one frame into a top-down image. An index past the last frame decodes frame 0; a
  // frame the compressor has not reached yet is transparent. None when the stream ends before the
  // frame is complete (a damaged file).
  std::optional<ImageBuffer> decodeFrame(int index);

  int width() const;
  int height() const;
  int frameCount() const;
  int progress() const;
  ZorFrameStatistics statistics() const;
  int quality() const;
  void setQuality(int quality);
  bool showBlocks() const;
  void setShowBlocks(bool show);
  // A copy of the file as it stands (during compression: the frames finished so far).
  ZorFile snapshot() const;

  // Compressor side: start a new animation, then publish each finished frame's blocks.
  void beginCompression(int width, int height, int frameCount);
  void publishFrame(const std::uint32_t* words, std::size_t count);

 private:
  std::optional<ImageBuffer> decodeLocked(int index, int depth);
  void adopt(ZorFile file);

  mutable std::mutex mutex_;
  ZorFile file_;
  int frameCount_ = 0;      // frames the animation has
  int framesReady_ = 0;     // frames whose blocks are in the stream
  int lastIndex_ = -1;
  std::vector<std::uint32_t> lastPixels_;
  int progress_ = 0;
  ZorFrameStatistics statistics_;
  int quality_ = 2;
  bool showBlocks_ = false;
};

// The animation state of the process, shared by the builder dialog and the compressor.
ZorAnimation& ZorState();

bool LoadZor(std::string_view path);
std::optional<ImageBuffer> DecodeZorFrame(int index);

}  // namespace tessera
