#include "core/image/zor_compressor.h"

#include <algorithm>
#include <cstdlib>

#include "core/image/image_file.h"
#include "core/image/zor_colour.h"
#include "core/platform/files.h"

namespace tessera {

namespace {

enum Flag : std::uint8_t {
  kZero = 0x01,
  kGreyQuad = 0x02,
  kGreyPair = 0x04,
  kUnused = 0x08,
  kTranslucent = 0x10,
  kOpaque = 0x20,
  kLikePrevious = 0x40,
  kSameColour = 0x80,
};

// What the encoder compares pixels by, with the fractions cut off.
struct PixelInfo {
  int hue = 0;          // whole degrees
  int sat1000 = 0;      // saturation x 1000
  int sat255 = 0;       // saturation x 255
  int light255 = 0;     // lightness x 255
};

PixelInfo infoOf(std::uint32_t p) {
  const zor::Hsl hsl = zor::ToHsl(RedOfPixel(p), GreenOfPixel(p), BlueOfPixel(p));
  PixelInfo info;
  info.hue = static_cast<int>(hsl.hue);
  info.sat1000 = static_cast<int>(hsl.saturation * 1000.0 + 1e-9);
  info.sat255 = static_cast<int>(hsl.saturation * 255.0 + 1e-9);
  info.light255 = static_cast<int>(hsl.lightness * 255.0 + 1e-9);
  return info;
}

bool channelsWithin(std::uint32_t p, int limit) {
  const int r = RedOfPixel(p), g = GreenOfPixel(p), b = BlueOfPixel(p);
  return std::abs(r - g) <= limit && std::abs(r - b) <= limit && std::abs(g - b) <= limit;
}

bool closeTo(std::uint32_t p, std::uint32_t q, int limit) {
  return std::abs(RedOfPixel(p) - RedOfPixel(q)) <= limit && std::abs(GreenOfPixel(p) - GreenOfPixel(q)) <= limit &&
         std::abs(BlueOfPixel(p) - BlueOfPixel(q)) <= limit;
}

std::uint32_t greyOf(int value, int alpha) { return MakePixel(value, value, value, alpha); }

// Alpha below 3 clears the pixel; nearly grey becomes grey; nearly black becomes black.
void cleanPixels(std::vector<std::uint32_t>& work) {
  for (std::uint32_t& p : work) {
    const int a = AlphaOfPixel(p);
    if (a < 3) {
      p = 0;
      continue;
    }
    if (channelsWithin(p, 6)) p = greyOf((RedOfPixel(p) + GreenOfPixel(p) + BlueOfPixel(p)) / 3, a);
    if (RedOfPixel(p) < 2 && GreenOfPixel(p) < 2 && BlueOfPixel(p) < 2) p = MakePixel(0, 0, 0, a);
  }
}

class FrameEncoder {
 public:
  FrameEncoder(std::vector<std::uint32_t>& work, const std::vector<std::uint32_t>* previous,
               const std::vector<PixelInfo>* previousInfo, int quality)
      : work_(work), previous_(previous), previousInfo_(previousInfo), q_(quality),
        count_(work.size()), flags_(work.size(), 0), info_(work.size()) {
    for (std::size_t i = 0; i < count_; ++i) info_[i] = infoOf(work_[i]);
  }

  const std::vector<PixelInfo>& info() const { return info_; }
  bool usedPrevious() const { return usedPrevious_; }
  std::vector<std::uint32_t>& words() { return words_; }

  void classify() {
    for (std::size_t p = 0; p < count_; ++p) {
      const std::size_t k = std::min<std::size_t>(4, count_ - p);
      const std::uint32_t px = work_[p];
      const int alpha = AlphaOfPixel(px);
      if (px == 0) flags_[p] |= kZero;

      std::size_t n = run(p, k, kGreyQuad, [&](std::uint32_t o, std::size_t) {
        return AlphaOfPixel(o) != 0 && AlphaOfPixel(o) == alpha && channelsWithin(o, 6);
      });
      if (n / 4 * 4 == 4) {
        for (std::size_t j = 0; j < 4; ++j) {
          flags_[p + j] |= kGreyQuad;
          setPixel(p + j, greyOf(BlueOfPixel(work_[p + j]), AlphaOfPixel(work_[p + j])));
        }
      }
      n = run(p, k, kSameColour, [&](std::uint32_t o, std::size_t) {
        return AlphaOfPixel(o) != 0 && AlphaOfPixel(o) == alpha && closeTo(o, px, 1);
      });
      if (n / 2 * 2 > 2) mark(p, n / 2 * 2, kSameColour);
      n = run(p, k, kGreyPair, [&](std::uint32_t o, std::size_t) { return AlphaOfPixel(o) != 0 && channelsWithin(o, 6); });
      if (n / 2 * 2 == 4) {
        for (std::size_t j = 0; j < 4; ++j) {
          flags_[p + j] |= kGreyPair;
          const std::uint32_t o = work_[p + j];
          setPixel(p + j, greyOf((RedOfPixel(o) + GreenOfPixel(o) + BlueOfPixel(o)) / 3, AlphaOfPixel(o)));
        }
      }
      n = run(p, k, kTranslucent, [&](std::uint32_t o, std::size_t) { return AlphaOfPixel(o) != 0; });
      if (n >= 2) mark(p, n, kTranslucent);
      n = run(p, k, kOpaque, [&](std::uint32_t o, std::size_t) { return AlphaOfPixel(o) == 255; });
      if (n >= 2) mark(p, n, kOpaque);
      if (previous_) {
        n = run(p, k, kLikePrevious, [&](std::uint32_t, std::size_t i) { return likePrevious(i); });
        if (n >= 2) mark(p, n, kLikePrevious);
      }
    }
  }

  void emit() {
    std::size_t pos = 0;
    while (pos < count_) {
      const std::uint8_t f = flags_[pos];
      if (f & kZero) {
        const std::size_t n = span(pos, 65025, [&](std::size_t i) { return (flags_[i] & kZero) != 0; });
        put(zor::kTransparentRun | static_cast<std::uint32_t>(n / 255) << 8 | static_cast<std::uint32_t>(n % 255));
        pos += n;
        continue;
      }
      if (f & kLikePrevious) {
        const std::size_t n = span(pos, 255, [&](std::size_t i) { return (flags_[i] & (kLikePrevious | kZero)) == kLikePrevious; });
        if (n > 2) {
          put(zor::kPreviousSame | static_cast<std::uint32_t>(n));
          std::copy(previous_->begin() + static_cast<std::ptrdiff_t>(pos),
                    previous_->begin() + static_cast<std::ptrdiff_t>(pos + n), work_.begin() + static_cast<std::ptrdiff_t>(pos));
          usedPrevious_ = true;
          pos += n;
          continue;
        }
      }
      if ((f & kSameColour) && emitColourRun(pos)) continue;
      if ((f & kGreyQuad) && emitGreyBytes(pos)) continue;
      if ((f & kGreyPair) && emitGreyAlpha(pos)) continue;
      if ((f & kOpaque) && emitRelitOpaque(pos)) continue;
      if ((f & kTranslucent) && emitRelitAlpha(pos)) continue;
      put(work_[pos]);  // a literal: its alpha is at least 3, so it never reads as a tag
      ++pos;
    }
  }

 private:
  void setPixel(std::size_t i, std::uint32_t value) {
    if (work_[i] == value) return;
    work_[i] = value;
    info_[i] = infoOf(value);
  }

  // Consecutive pixels of the window from p that carry `flag` or pass the test.
  template <typename Test>
  std::size_t run(std::size_t p, std::size_t k, std::uint8_t flag, Test test) const {
    std::size_t n = 0;
    while (n < k && ((flags_[p + n] & flag) || test(work_[p + n], p + n))) ++n;
    return n;
  }
  void mark(std::size_t p, std::size_t n, std::uint8_t flag) {
    for (std::size_t j = 0; j < n; ++j) flags_[p + j] |= flag;
  }

  template <typename Test>
  std::size_t span(std::size_t pos, std::size_t limit, Test test) const {
    std::size_t n = 0;
    while (pos + n < count_ && n < limit && test(pos + n)) ++n;
    return n;
  }
  // As span, but ends before three pixels in a row that also match the previous frame, once
  // `free` pixels are counted: those are better sent as a previous-frame block.
  template <typename Test>
  std::size_t spanBeforePrevious(std::size_t pos, std::size_t limit, std::size_t free, Test test) const {
    std::size_t n = 0;
    std::size_t likeRun = 0;
    while (pos + n < count_ && n < limit && test(pos + n)) {
      if (n >= free && (flags_[pos + n] & kLikePrevious)) {
        if (++likeRun == 3) return n - 2;
      } else {
        likeRun = 0;
      }
      ++n;
    }
    return n;
  }

  bool likePrevious(std::size_t i) const {
    const std::uint32_t cur = work_[i];
    const std::uint32_t old = (*previous_)[i];
    const PixelInfo& a = info_[i];
    const PixelInfo& b = (*previousInfo_)[i];
    if (std::abs(AlphaOfPixel(cur) - AlphaOfPixel(old)) > q_) return false;
    if (b.sat255 >= 10) {
      return std::abs(a.hue - b.hue) <= q_ && std::abs(a.light255 - b.light255) <= q_ &&
             std::abs(a.sat255 - b.sat255) <= 4 * q_;
    }
    return std::abs(a.light255 - b.light255) <= 2;
  }

  bool emitColourRun(std::size_t& pos) {
    const std::size_t n = span(pos, 255, [&](std::size_t i) { return (flags_[i] & (kSameColour | kZero)) == kSameColour; });
    if (n < 3) return false;
    const std::uint32_t p = work_[pos];
    const std::size_t m = span(pos, n, [&](std::size_t i) {
      return AlphaOfPixel(work_[i]) == AlphaOfPixel(p) && closeTo(work_[i], p, 1);
    });
    if (m < 3) return false;
    put(zor::kColourRun | static_cast<std::uint32_t>(m));
    put(p);
    return advance(pos, m);
  }

  bool emitGreyBytes(std::size_t& pos) {
    std::size_t n = spanBeforePrevious(pos, 255, 4, [&](std::size_t i) { return (flags_[i] & (kGreyQuad | kZero)) == kGreyQuad; });
    if (n < 4) return false;
    n = n / 4 * 4;
    const int alpha = AlphaOfPixel(work_[pos]);
    std::size_t m = span(pos, n, [&](std::size_t i) { return AlphaOfPixel(work_[i]) == alpha; });
    m = m / 4 * 4;
    if (m < 4) return false;
    put(zor::kGreyBytes | static_cast<std::uint32_t>(alpha) << 8 | static_cast<std::uint32_t>(m / 4));
    for (std::size_t i = 0; i < m; ++i) {
      putByte(BlueOfPixel(work_[pos + i]));
      work_[pos + i] = (work_[pos + i] & 0x00ffffffu) | static_cast<std::uint32_t>(alpha) << 24;
    }
    return advance(pos, m);
  }

  bool emitGreyAlpha(std::size_t& pos) {
    std::size_t n = spanBeforePrevious(pos, 255, 4, [&](std::size_t i) { return (flags_[i] & (kGreyPair | kGreyQuad | kZero)) == kGreyPair; });
    if (n < 4) return false;
    n = n / 2 * 2;
    put(zor::kGreyAlpha | static_cast<std::uint32_t>(n / 2));
    for (std::size_t i = 0; i < n; ++i) {
      putByte(BlueOfPixel(work_[pos + i]));
      putByte(AlphaOfPixel(work_[pos + i]));
    }
    return advance(pos, n);
  }

  bool emitRelitOpaque(std::size_t& pos) {
    std::size_t n = spanBeforePrevious(pos, 80, 2, [&](std::size_t i) {
      return (flags_[i] & (kOpaque | kZero | kGreyQuad | kGreyPair)) == kOpaque;
    });
    if (n < 2) return false;
    n = n / 2 * 2;
    std::size_t pixels = 0;
    while (pixels < n && similar(pos + pixels, pos + pixels + 1)) pixels += 2;
    if (pixels < 2) return false;
    put(zor::kRelitOpaque | static_cast<std::uint32_t>(pixels / 2));
    for (std::size_t i = 0; i < pixels; i += 2) {
      int r, g, b;
      lightnessCut(work_[pos + i], r, g, b);
      putByte(r);
      putByte(g);
      putByte(b);
      putByte(info_[pos + i + 1].light255);
    }
    return advance(pos, pixels);
  }

  bool emitRelitAlpha(std::size_t& pos) {
    std::size_t n = spanBeforePrevious(pos, 80, 4, [&](std::size_t i) {
      return (flags_[i] & (kZero | kGreyQuad | kGreyPair | kUnused)) == 0;
    });
    if (n < 4) return false;
    n = n / 4 * 4;
    std::size_t pixels = 0;
    while (pixels < n && similar(pos + pixels + 1, pos + pixels) && similar(pos + pixels + 1, pos + pixels + 2) &&
           similar(pos + pixels + 1, pos + pixels + 3)) {
      pixels += 4;
    }
    if (pixels < 4) return false;
    put(zor::kRelitAlpha | static_cast<std::uint32_t>(3 * (pixels / 4)));
    for (std::size_t i = 0; i < pixels; i += 2) {
      const std::uint32_t first = work_[pos + i];
      putByte(RedOfPixel(first));
      putByte(GreenOfPixel(first));
      putByte(BlueOfPixel(first));
      putByte(AlphaOfPixel(first));
      putByte(info_[pos + i + 1].light255);
      putByte(AlphaOfPixel(work_[pos + i + 1]));
    }
    return advance(pos, pixels);
  }

  // Hue within q degrees and saturation within q thousandths.
  bool similar(std::size_t a, std::size_t b) const {
    return std::abs(info_[a].hue - info_[b].hue) <= q_ && std::abs(info_[a].sat1000 - info_[b].sat1000) <= q_;
  }

  // The colour with its lightness cut to a whole number of 255ths.
  void lightnessCut(std::uint32_t p, int& r, int& g, int& b) const {
    zor::Hsl hsl = zor::ToHsl(RedOfPixel(p), GreenOfPixel(p), BlueOfPixel(p));
    hsl.lightness = static_cast<int>(hsl.lightness * 255.0 + 1e-9) / 255.0;
    zor::FromHsl(hsl, r, g, b);
  }

  bool advance(std::size_t& pos, std::size_t n) {
    flushBytes();
    pos += n;
    return true;
  }

  void put(std::uint32_t word) {
    flushBytes();
    words_.push_back(word);
  }
  void putByte(int value) {
    pending_ |= static_cast<std::uint32_t>(value & 0xff) << (8 * pendingCount_);
    if (++pendingCount_ == 4) {
      words_.push_back(pending_);
      pending_ = 0;
      pendingCount_ = 0;
    }
  }
  void flushBytes() {
    if (pendingCount_ == 0) return;
    words_.push_back(pending_);
    pending_ = 0;
    pendingCount_ = 0;
  }

  std::vector<std::uint32_t>& work_;
  const std::vector<std::uint32_t>* previous_;
  const std::vector<PixelInfo>* previousInfo_;
  int q_;
  std::size_t count_;
  std::vector<std::uint8_t> flags_;
  std::vector<PixelInfo> info_;
  std::vector<std::uint32_t> words_;
  std::uint32_t pending_ = 0;
  int pendingCount_ = 0;
  bool usedPrevious_ = false;
};

}  // namespace

int ZorFrameQuality(int index, int frameCount, int quality) {
  if (index == frameCount - 1) return quality;
  return quality + ((index & 2) ? 1 : 0);
}

std::optional<ZorFile> CompressStrip(const ImageBuffer& strip, int frameCount, int quality, ZorAnimation* publishTo,
                                     const ZorProgress& progress, const std::atomic<bool>* stop) {
  if (frameCount < 1) frameCount = 1;
  if (frameCount > zor::kMaxFrames || strip.isEmpty()) return std::nullopt;
  const int width = strip.width();
  const int height = strip.height() / frameCount;
  if (height < 1) return std::nullopt;

  ZorFile file;
  file.width = width;
  file.height = height;
  if (publishTo) publishTo->beginCompression(width, height, frameCount);

  const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<std::uint32_t> work(pixels);
  std::vector<std::uint32_t> previous;
  std::vector<PixelInfo> previousInfo;
  bool matchPrevious = true;
  int chainStart = -1;  // first frame of the current run of frames that used their predecessor

  for (int i = 0; i < frameCount; ++i) {
    if (stop && stop->load()) return std::nullopt;
    for (int y = 0; y < height; ++y) {
      const std::uint32_t* row = strip.rowFromTop(i * height + y);
      std::copy(row, row + width, work.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
    file.table.push_back(static_cast<std::uint32_t>(file.stream.size()));
    cleanPixels(work);

    const bool compare = i > 0 && matchPrevious;
    FrameEncoder encoder(work, compare ? &previous : nullptr, compare ? &previousInfo : nullptr,
                         ZorFrameQuality(i, frameCount, quality));
    encoder.classify();
    encoder.emit();
    std::vector<std::uint32_t>& words = encoder.words();
    file.stream.insert(file.stream.end(), words.begin(), words.end());

    // A decoder follows previous-frame references back a few frames only: a chain that has
    // lasted long enough is cut by sending the next frame without them.
    if (encoder.usedPrevious()) {
      if (chainStart < 0) chainStart = i;
      if (i - chainStart > 2) {
        matchPrevious = false;
        chainStart = -1;
      } else {
        matchPrevious = true;
      }
    } else {
      matchPrevious = true;
      chainStart = -1;
    }

    previous = work;
    previousInfo = encoder.info();
    if (publishTo) publishTo->publishFrame(words.data(), words.size());
    // The last frame's report comes before the file is written: a stop then still writes nothing.
    if (!ReportProgress(progress, i + 1, frameCount)) return std::nullopt;
  }
  return file;
}

std::string ZorNameFor(std::string_view sourcePath) {
  if (sourcePath.size() <= 3) return std::string(sourcePath);
  return std::string(sourcePath.substr(0, sourcePath.size() - 3)) + "ZOR";
}

ZorCompressResult CompressToZor(const std::string& sourcePath, int frameCount, ZorAnimation& animation,
                                const ZorProgress& progress, const std::string& outputPath,
                                const std::atomic<bool>* stop) {
  if (frameCount < 1) frameCount = 1;
  animation.clear();
  const auto strip = LoadImageFile(sourcePath);
  if (!strip) return ZorCompressResult::CannotOpenSource;
  bool declined = false;
  const ZorProgress watched = [&](std::int64_t done, std::int64_t total) {
    declined = !ReportProgress(progress, done, total);
    return !declined;
  };
  const auto file = CompressStrip(*strip, frameCount, animation.quality(), &animation, progress ? watched : ZorProgress{}, stop);
  if (declined || (stop && stop->load())) return ZorCompressResult::Stopped;
  if (!file) return ZorCompressResult::BadFrameCount;
  const std::string target = outputPath.empty() ? ZorNameFor(sourcePath) : outputPath;
  return files::writeAllAtomic(target, EncodeZorFile(*file)) ? ZorCompressResult::Written
                                                              : ZorCompressResult::CannotWrite;
}

ZorCompressResult CompressToZor(const std::string& sourcePath, int frameCount) {
  return CompressToZor(sourcePath, frameCount, ZorState());
}

}  // namespace tessera
