#pragma once
// The ZOR animation file: "ZOR1", frame width, frame height, frame count N, a table of N word
// indexes into the block stream, then the block stream of 32-bit words (all little-endian).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

namespace zor {
// Block tags (the alpha byte of every tag is 0). C is the lowest byte, D the second.
inline constexpr std::uint32_t kTransparentRun = 0x00010000;  // mask 0xFFFF0000: C + 255 D pixels
inline constexpr std::uint32_t kRelitOpaque3 = 0x00E2E200;    // C words: 6 bytes -> 4 pixels
inline constexpr std::uint32_t kRelitAlpha = 0x00E1E100;      // C words: 6 bytes -> 2 pixels
inline constexpr std::uint32_t kRelitOpaque = 0x00E0E000;     // C words: 4 bytes -> 2 pixels
inline constexpr std::uint32_t kOpaqueRgb = 0x00EBEB00;       // C words: 3 bytes -> 1 pixel
inline constexpr std::uint32_t kGreyAlpha = 0x00EEEE00;       // C words: 2 bytes -> 1 pixel
inline constexpr std::uint32_t kGreyBytes = 0x00EF0000;       // mask 0xFFFF0000: C words, 1 byte -> 1 pixel
inline constexpr std::uint32_t kGreyRun = 0x00F00000;         // mask 0xFFFF0000: C pixels of grey D
inline constexpr std::uint32_t kColourRun = 0x00FEFE00;       // 1 word P: C pixels P
inline constexpr std::uint32_t kPreviousSame = 0x00FFFF00;    // C pixels from the previous frame
inline constexpr std::uint32_t kCurrentCopy = 0x00ECEC00;     // 1 word Q: C pixels of this frame from Q
inline constexpr std::uint32_t kPreviousCopy = 0x00EDED00;    // 1 word Q: C pixels of the previous frame from Q
inline constexpr std::uint32_t kStreamCopy = 0x00505000;      // 1 word R: C pixels from stream words R...

inline constexpr int kMaxFrames = 1000;  // entries of the frame table
inline constexpr std::size_t kHeaderBytes = 16;
}  // namespace zor

struct ZorFile {
  int width = 0;
  int height = 0;                       // of one frame
  std::vector<std::uint32_t> table;     // first block of each frame, in stream words
  std::vector<std::uint32_t> stream;    // block stream
  int frameCount() const { return static_cast<int>(table.size()); }
};

// Checks and reads a ZOR file (the magic is not checked). None for a size that is not positive or
// too large, a frame count outside 1 .. 1000, a file shorter than its frame table, or a table
// entry outside the stream.
std::optional<ZorFile> ParseZorFile(std::string_view bytes);
std::string EncodeZorFile(const ZorFile& file);

// The tag words of a frame's blocks in order (payload words skipped); none when the stream ends
// before the frame is complete.
std::optional<std::vector<std::uint32_t>> ZorFrameTags(const ZorFile& file, int frame);

}  // namespace tessera
