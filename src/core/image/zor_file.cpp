#include "core/image/zor_file.h"

#include <algorithm>
#include <cstring>

#include "core/image/image_buffer.h"

namespace tessera {

namespace {

std::uint32_t readWord(const char* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);  // little-endian host, as the file
  return v;
}

void appendWord(std::string& out, std::uint32_t v) {
  char bytes[4];
  std::memcpy(bytes, &v, 4);
  out.append(bytes, 4);
}

// Payload words of a block, as the decoder consumes them.
std::uint32_t payloadWords(std::uint32_t tag) {
  const std::uint32_t c = tag & 0xff;
  switch (tag & 0xFFFFFF00u) {
    case zor::kRelitOpaque3:
    case zor::kRelitAlpha:
    case zor::kRelitOpaque:
    case zor::kOpaqueRgb:
    case zor::kGreyAlpha:
      return c;
    case zor::kColourRun:
    case zor::kCurrentCopy:
    case zor::kPreviousCopy:
    case zor::kStreamCopy:
      return 1;
    default:
      break;
  }
  if ((tag & 0xFFFF0000u) == zor::kGreyBytes) return c;
  return 0;
}

// Pixels a block produces before the cut to the frame's remaining pixels.
std::uint64_t blockPixels(std::uint32_t tag) {
  const std::uint64_t c = tag & 0xff;
  const std::uint64_t d = (tag >> 8) & 0xff;
  if ((tag & 0xFFFF0000u) == zor::kTransparentRun) return c + 255 * d;
  switch (tag & 0xFFFFFF00u) {
    case zor::kRelitOpaque3: return 8 * c / 3;
    case zor::kRelitAlpha: return 4 * c / 3;
    case zor::kRelitOpaque: return 2 * c;
    case zor::kOpaqueRgb: return 4 * c / 3;
    case zor::kGreyAlpha: return 2 * c;
    default: break;
  }
  if ((tag & 0xFFFF0000u) == zor::kGreyBytes) return 4 * c;
  if ((tag & 0xFFFF0000u) == zor::kGreyRun) return c;
  switch (tag & 0xFFFFFF00u) {
    case zor::kColourRun:
    case zor::kPreviousSame:
    case zor::kCurrentCopy:
    case zor::kPreviousCopy:
    case zor::kStreamCopy:
      return c;
    default:
      return 1;  // a literal pixel
  }
}

}  // namespace

std::optional<ZorFile> ParseZorFile(std::string_view bytes) {
  if (bytes.size() < zor::kHeaderBytes) return std::nullopt;
  const std::uint32_t width = readWord(bytes.data() + 4);
  const std::uint32_t height = readWord(bytes.data() + 8);
  const std::uint32_t count = readWord(bytes.data() + 12);
  if (width > 0x7fffffffu || height > 0x7fffffffu || !IsAcceptableImageSize(width, height)) return std::nullopt;
  if (count < 1 || count > static_cast<std::uint32_t>(zor::kMaxFrames)) return std::nullopt;
  const std::size_t tableEnd = zor::kHeaderBytes + 4 * std::size_t{count};
  if (bytes.size() < tableEnd) return std::nullopt;
  ZorFile file;
  file.width = static_cast<int>(width);
  file.height = static_cast<int>(height);
  const std::size_t words = (bytes.size() - tableEnd) / 4;
  file.stream.resize(words);
  if (words) std::memcpy(file.stream.data(), bytes.data() + tableEnd, words * 4);
  file.table.resize(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    file.table[i] = readWord(bytes.data() + zor::kHeaderBytes + 4 * i);
    // Every frame has at least one block, so its first word lies inside the stream.
    if (file.table[i] >= words) return std::nullopt;
  }
  return file;
}

std::string EncodeZorFile(const ZorFile& file) {
  std::string out;
  out.reserve(zor::kHeaderBytes + 4 * (file.table.size() + file.stream.size()));
  out.append("ZOR1", 4);
  appendWord(out, static_cast<std::uint32_t>(file.width));
  appendWord(out, static_cast<std::uint32_t>(file.height));
  appendWord(out, static_cast<std::uint32_t>(file.table.size()));
  for (const std::uint32_t entry : file.table) appendWord(out, entry);
  const std::size_t start = out.size();
  out.resize(start + 4 * file.stream.size());
  if (!file.stream.empty()) std::memcpy(out.data() + start, file.stream.data(), 4 * file.stream.size());
  return out;
}

std::optional<std::vector<std::uint32_t>> ZorFrameTags(const ZorFile& file, int frame) {
  if (frame < 0 || frame >= file.frameCount()) return std::nullopt;
  std::vector<std::uint32_t> tags;
  std::uint64_t cursor = file.table[static_cast<std::size_t>(frame)];
  std::uint64_t remaining = std::uint64_t(file.width) * std::uint64_t(file.height);
  while (remaining > 0) {
    if (cursor >= file.stream.size()) return std::nullopt;
    const std::uint32_t tag = file.stream[cursor++];
    cursor += payloadWords(tag);
    if (cursor > file.stream.size()) return std::nullopt;
    tags.push_back(tag);
    remaining -= std::min(remaining, blockPixels(tag));
  }
  return tags;
}

}  // namespace tessera
