#include "core/image/zor_animation.h"

#include <algorithm>
#include <cmath>

#include "core/image/zor_colour.h"
#include "core/platform/files.h"

namespace tessera {

namespace {

// Payload bytes in stream order, the lowest byte of the first word first. A payload that a block
// reads past its own words continues into the following words; past the stream it reads 0.
class PayloadBytes {
 public:
  PayloadBytes(const std::vector<std::uint32_t>& stream, std::uint64_t firstWord) : stream_(stream), first_(firstWord) {}
  int operator[](std::uint64_t k) const {
    const std::uint64_t word = first_ + k / 4;
    if (word >= stream_.size()) return 0;
    return static_cast<int>((stream_[word] >> (8 * (k % 4))) & 0xff);
  }

 private:
  const std::vector<std::uint32_t>& stream_;
  std::uint64_t first_;
};

// (A, R, G, B) as a pixel word.
constexpr std::uint32_t Argb(int a, int r, int g, int b) { return MakePixel(b, g, r, a); }

std::uint32_t relit(int r, int g, int b, int lightness, int alpha) {
  int rr, gg, bb;
  zor::Relight(r, g, b, lightness, rr, gg, bb);
  return Argb(alpha, rr, gg, bb);
}

}  // namespace

ZorAnimation& ZorState() {
  static ZorAnimation state;
  return state;
}

bool LoadZor(std::string_view path) { return ZorState().load(path); }
std::optional<ImageBuffer> DecodeZorFrame(int index) { return ZorState().decodeFrame(index); }

bool ZorAnimation::load(std::string_view path) {
  const auto bytes = files::readAll(path);
  return bytes && loadData(*bytes);
}

bool ZorAnimation::loadData(std::string_view bytes) {
  auto file = ParseZorFile(bytes);
  if (!file) return false;
  std::lock_guard lock(mutex_);
  adopt(std::move(*file));
  framesReady_ = frameCount_;
  progress_ = frameCount_;
  return true;
}

void ZorAnimation::adopt(ZorFile file) {
  file_ = std::move(file);
  frameCount_ = file_.frameCount();
  lastIndex_ = -1;
  lastPixels_.clear();
  statistics_ = {};
}

void ZorAnimation::clear() {
  std::lock_guard lock(mutex_);
  adopt(ZorFile{});
  framesReady_ = 0;
  progress_ = 0;
}

int ZorAnimation::width() const {
  std::lock_guard lock(mutex_);
  return file_.width;
}
int ZorAnimation::height() const {
  std::lock_guard lock(mutex_);
  return file_.height;
}
int ZorAnimation::frameCount() const {
  std::lock_guard lock(mutex_);
  return frameCount_;
}
int ZorAnimation::progress() const {
  std::lock_guard lock(mutex_);
  return progress_;
}
ZorFrameStatistics ZorAnimation::statistics() const {
  std::lock_guard lock(mutex_);
  return statistics_;
}
int ZorAnimation::quality() const {
  std::lock_guard lock(mutex_);
  return quality_;
}
void ZorAnimation::setQuality(int quality) {
  std::lock_guard lock(mutex_);
  quality_ = quality;
}
bool ZorAnimation::showBlocks() const {
  std::lock_guard lock(mutex_);
  return showBlocks_;
}
void ZorAnimation::setShowBlocks(bool show) {
  std::lock_guard lock(mutex_);
  if (showBlocks_ != show) lastIndex_ = -1;  // the kept frame was drawn the other way
  showBlocks_ = show;
}

ZorFile ZorAnimation::snapshot() const {
  std::lock_guard lock(mutex_);
  return file_;
}

void ZorAnimation::beginCompression(int width, int height, int frameCount) {
  std::lock_guard lock(mutex_);
  ZorFile file;
  file.width = width;
  file.height = height;
  file.table.assign(static_cast<std::size_t>(frameCount), 0u);
  adopt(std::move(file));
  framesReady_ = 0;
  progress_ = 0;
}

void ZorAnimation::publishFrame(const std::uint32_t* words, std::size_t count) {
  std::lock_guard lock(mutex_);
  if (framesReady_ >= frameCount_) return;
  file_.table[static_cast<std::size_t>(framesReady_)] = static_cast<std::uint32_t>(file_.stream.size());
  file_.stream.insert(file_.stream.end(), words, words + count);
  ++framesReady_;
  progress_ = framesReady_;
}

std::optional<ImageBuffer> ZorAnimation::decodeFrame(int index) {
  std::lock_guard lock(mutex_);
  return decodeLocked(index, 0);
}

std::optional<ImageBuffer> ZorAnimation::decodeLocked(int index, int depth) {
  if (depth > 6) return std::nullopt;
  if (frameCount_ <= 0 || file_.width <= 0) return std::nullopt;
  if (index < 0 || index >= frameCount_) index = 0;
  auto image = CreateImageTopDown(file_.width, file_.height);
  if (!image) return std::nullopt;
  if (file_.stream.empty() || index >= framesReady_) return image;
  if (index == lastIndex_) {
    std::copy(lastPixels_.begin(), lastPixels_.end(), image->pixels());
    return image;
  }

  const std::vector<std::uint32_t>& stream = file_.stream;
  const std::uint64_t total = image->pixelCount();
  std::uint32_t* out = image->pixels();
  const std::uint64_t start = file_.table[static_cast<std::size_t>(index)];
  std::uint64_t cursor = start;
  std::uint64_t pos = 0;
  ZorFrameStatistics stats;
  const bool markers = showBlocks_;

  // The previous frame, decoded once, for the blocks that copy from it.
  std::optional<ImageBuffer> previous;
  bool previousTried = false;
  bool damaged = false;
  auto previousPixels = [&]() -> const std::uint32_t* {
    if (!previousTried) {
      previousTried = true;
      if (index > 0 && depth <= 4) {
        previous = decodeLocked(index - 1, depth + 1);
        if (!previous) damaged = true;
      }
    }
    return previous ? previous->pixels() : nullptr;
  };
  auto needWords = [&](std::uint64_t words) {
    if (cursor + words > stream.size()) damaged = true;
    return !damaged;
  };

  while (pos < total && !damaged) {
    if (cursor >= stream.size()) {
      damaged = true;
      break;
    }
    const std::uint32_t tag = stream[cursor++];
    const int c = static_cast<int>(tag & 0xff);
    const int d = static_cast<int>((tag >> 8) & 0xff);
    const std::uint64_t remaining = total - pos;
    auto cut = [&](std::uint64_t n) { return std::min(n, remaining); };
    std::uint64_t n = 0;
    std::uint32_t marker = 0;
    bool literal = false;
    bool greyAlphaMarkers = false;

    if ((tag & 0xFFFF0000u) == zor::kTransparentRun) {
      n = cut(std::uint64_t(c) + 255u * std::uint64_t(d));
      marker = Argb(40, 0, 40, 40);
      stats.pixelsWritten += 1;
    } else if ((tag & 0xFFFFFF00u) == zor::kRelitOpaque3) {
      if (!needWords(c)) break;
      const PayloadBytes b(stream, cursor);
      n = cut(8u * c / 3);
      for (std::uint64_t i = 0; i < n; ++i) {
        const std::uint64_t g = i / 4 * 6;
        const int k = static_cast<int>(i % 4);
        out[pos + i] = k == 0 ? Argb(255, b[g], b[g + 1], b[g + 2]) : relit(b[g], b[g + 1], b[g + 2], b[g + 2 + k], 255);
      }
      cursor += c;
      marker = Argb(255, 0, 0, 0);
    } else if ((tag & 0xFFFFFF00u) == zor::kRelitAlpha) {
      if (!needWords(c)) break;
      const PayloadBytes b(stream, cursor);
      n = cut(4u * c / 3);
      for (std::uint64_t i = 0; i < n; ++i) {
        const std::uint64_t g = i / 2 * 6;
        out[pos + i] = i % 2 == 0 ? Argb(b[g + 3], b[g], b[g + 1], b[g + 2])
                                  : relit(b[g], b[g + 1], b[g + 2], b[g + 4], b[g + 5]);
      }
      cursor += c;
      marker = Argb(255, 0, 128, 255);
    } else if ((tag & 0xFFFFFF00u) == zor::kRelitOpaque) {
      if (!needWords(c)) break;
      n = cut(2u * c);
      for (std::uint64_t i = 0; i < n; ++i) {
        const std::uint32_t w = stream[cursor + i / 2];
        const int r = static_cast<int>(w & 0xff), g = static_cast<int>((w >> 8) & 0xff),
                  b = static_cast<int>((w >> 16) & 0xff);
        out[pos + i] = i % 2 == 0 ? Argb(255, r, g, b) : relit(r, g, b, static_cast<int>(w >> 24), 255);
      }
      cursor += c;
      marker = Argb(255, 0, 128, 255);
    } else if ((tag & 0xFFFFFF00u) == zor::kOpaqueRgb) {
      if (!needWords(c)) break;
      const PayloadBytes b(stream, cursor);
      n = cut(4u * c / 3);
      for (std::uint64_t i = 0; i < n; ++i) out[pos + i] = Argb(255, b[3 * i], b[3 * i + 1], b[3 * i + 2]);
      cursor += c;
      marker = Argb(255, 0, 128, 255);
    } else if ((tag & 0xFFFFFF00u) == zor::kGreyAlpha) {
      if (!needWords(c)) break;
      const PayloadBytes b(stream, cursor);
      n = cut(2u * c);
      for (std::uint64_t i = 0; i < n; ++i) {
        const int g = b[2 * i];
        out[pos + i] = Argb(b[2 * i + 1], g, g, g);
      }
      cursor += c;
      greyAlphaMarkers = true;
    } else if ((tag & 0xFFFF0000u) == zor::kGreyBytes) {
      if (!needWords(c)) break;
      const PayloadBytes b(stream, cursor);
      n = cut(4u * c);
      for (std::uint64_t i = 0; i < n; ++i) {
        const int x = b[i];
        const int alpha = d != 0 ? d : static_cast<int>(std::sqrt(255.0 * x) + 0.5);
        out[pos + i] = Argb(alpha, x, x, x);
      }
      cursor += c;
      marker = d != 0 ? Argb(255, 255, 0, 255) : Argb(255, 155, 120, 205);
    } else if ((tag & 0xFFFF0000u) == zor::kGreyRun) {
      n = cut(c);
      std::fill(out + pos, out + pos + n, Argb(255, d, d, d));
      marker = Argb(255, 0, 255, 255);
    } else if ((tag & 0xFFFFFF00u) == zor::kColourRun) {
      if (!needWords(1)) break;
      n = cut(c);
      std::fill(out + pos, out + pos + n, stream[cursor]);
      cursor += 1;
      marker = Argb(40, 0, 90, 40);
    } else if ((tag & 0xFFFFFF00u) == zor::kPreviousSame) {
      n = cut(c);
      if (const std::uint32_t* prev = previousPixels()) std::copy(prev + pos, prev + pos + n, out + pos);
      marker = Argb(255, 255, 255, 0);
    } else if ((tag & 0xFFFFFF00u) == zor::kCurrentCopy || (tag & 0xFFFFFF00u) == zor::kPreviousCopy) {
      if (!needWords(1)) break;
      const bool fromPrevious = (tag & 0xFFFFFF00u) == zor::kPreviousCopy;
      std::uint64_t from = stream[cursor] & 0xFFFFFFu;
      cursor += 1;
      n = cut(c);
      // A reference that would run past the frame starts at its first pixel instead.
      if (from + c >= total) from = 0;
      const std::uint32_t* source = fromPrevious ? previousPixels() : out;
      if (source) {
        for (std::uint64_t i = 0; i < n; ++i) out[pos + i] = source[from + i];  // forward, may overlap
      }
      marker = fromPrevious ? Argb(255, 254, 0, 255) : Argb(255, 255, 255, 255);
    } else if ((tag & 0xFFFFFF00u) == zor::kStreamCopy) {
      if (!needWords(1)) break;
      const std::uint64_t payloadIndex = cursor;
      const std::uint64_t from = stream[cursor];
      cursor += 1;
      // Only words that lie before the block itself, and only when the whole run fits.
      if (from + c < payloadIndex && std::uint64_t(c) <= remaining) {
        std::copy(stream.begin() + static_cast<std::ptrdiff_t>(from),
                  stream.begin() + static_cast<std::ptrdiff_t>(from + c), out + pos);
      }
      n = cut(c);
      marker = Argb(255, 255, 0, 255);
    } else {
      n = 1;
      out[pos] = tag;
      literal = true;
    }
    if (damaged) break;

    if (!literal) {
      stats.blocksRead += 1;
      if ((tag & 0xFFFF0000u) != zor::kTransparentRun) stats.pixelsWritten += static_cast<int>(n);
    } else {
      stats.pixelsWritten += 1;
    }
    if (markers) {
      if (greyAlphaMarkers) {
        for (std::uint64_t i = 0; i < n; ++i) {
          out[pos + i] = AlphaOfPixel(out[pos + i]) == 255 ? Argb(255, 128, 255, 0) : Argb(255, 0, 255, 255);
        }
      } else if (!literal) {
        std::fill(out + pos, out + pos + n, marker);
      }
    }
    pos += n;
  }
  if (damaged) return std::nullopt;

  stats.wordsRead = static_cast<int>(cursor - start);
  statistics_ = stats;
  lastIndex_ = index;
  lastPixels_.assign(image->pixels(), image->pixels() + image->pixelCount());
  return image;
}

}  // namespace tessera
