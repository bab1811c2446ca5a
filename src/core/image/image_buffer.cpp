#include "core/image/image_buffer.h"

#include <algorithm>
#include <array>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>
#include <utility>

#include "core/image/pixel_kernels.h"

namespace tessera {

namespace {

// x * a / 255 truncated, exact for every x, a in 0..255 (v <= 65025).
inline std::uint32_t divide255(std::uint32_t v) { return (v + 1 + (v >> 8)) >> 8; }

// straight[a][x] = min(255, x * 255 / a): the inverse of pre-multiplication by table lookup.
struct UnpremultiplyTable {
  std::array<std::array<std::uint8_t, 256>, 256> values{};
  UnpremultiplyTable() {
    for (int a = 1; a < 256; ++a) {
      for (int x = 0; x < 256; ++x) values[a][x] = static_cast<std::uint8_t>(std::min(255, x * 255 / a));
    }
  }
};

const UnpremultiplyTable& unpremultiplyTable() {
  static const UnpremultiplyTable table;
  return table;
}

}  // namespace

ImageBuffer::ImageBuffer(int width, int height, RowOrder order, Uninitialized)
    : width_(width), height_(height), order_(order),
      count_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)),
      pixels_(count_ ? new std::uint32_t[count_] : nullptr) {}

ImageBuffer::ImageBuffer(int width, int height, RowOrder order) : ImageBuffer(width, height, order, Uninitialized{}) {
  fill(0);
}

ImageBuffer::ImageBuffer(const ImageBuffer& other)
    : ImageBuffer(other.width_, other.height_, other.order_, Uninitialized{}) {
  if (count_) std::memcpy(pixels_.get(), other.pixels_.get(), byteCount());
}

ImageBuffer& ImageBuffer::operator=(const ImageBuffer& other) {
  if (this != &other) *this = ImageBuffer(other);
  return *this;
}

ImageBuffer::ImageBuffer(ImageBuffer&& other) noexcept
    : width_(std::exchange(other.width_, 0)), height_(std::exchange(other.height_, 0)), order_(other.order_),
      count_(std::exchange(other.count_, 0)), pixels_(std::move(other.pixels_)) {}

ImageBuffer& ImageBuffer::operator=(ImageBuffer&& other) noexcept {
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  order_ = other.order_;
  count_ = std::exchange(other.count_, 0);
  pixels_ = std::move(other.pixels_);
  return *this;
}

void ImageBuffer::fill(std::uint32_t value) { std::fill(pixels_.get(), pixels_.get() + count_, value); }

bool IsAcceptableImageSize(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxImagePixels && height <= kMaxImagePixels &&
         width * height <= kMaxImagePixels;
}

std::optional<ImageBuffer> CreateImage(int width, int height) {
  if (!IsAcceptableImageSize(width, height)) return std::nullopt;
  return ImageBuffer(width, height, RowOrder::BottomUp);
}

std::optional<ImageBuffer> CreateImageTopDown(int width, int height) {
  if (!IsAcceptableImageSize(width, height)) return std::nullopt;
  return ImageBuffer(width, height, RowOrder::TopDown);
}

bool HasAlpha(const ImageBuffer& image) {
  const std::uint32_t* p = image.pixels();
  const std::size_t n = image.pixelCount();
  for (std::size_t i = 0; i < n; ++i) {
    if (p[i] & 0xff000000u) return true;
  }
  return false;
}

namespace {

inline std::uint32_t premultiplyWord(std::uint32_t p) {
  // Red and blue in two 16-bit lanes of one word, green in a third: each product fits its lane,
  // and divide255 per lane carries nothing into the next. No branches, so loops vectorise.
  const std::uint32_t a = p >> 24;
  std::uint32_t rb = (p & 0x00ff00ffu) * a;
  rb = ((rb + 0x00010001u + ((rb >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
  const std::uint32_t g = divide255(((p >> 8) & 0xff) * a);
  return rb | (g << 8) | (a << 24);
}

}  // namespace

std::uint32_t PremultiplyPixel(std::uint32_t p) { return premultiplyWord(p); }

namespace {

inline std::uint32_t unpremultiplyWord(std::uint32_t p, const UnpremultiplyTable& table) {
  const std::uint32_t a = p >> 24;
  if (a == 255) return p;
  if (a == 0) return 0;
  const auto& row = table.values[a];
  return row[p & 0xff] | (std::uint32_t{row[(p >> 8) & 0xff]} << 8) | (std::uint32_t{row[(p >> 16) & 0xff]} << 16) |
         (a << 24);
}

#if defined(__SSE2__)
// Four pixels at once in 16-bit lanes: colour x alpha / 255 per channel (alpha x 255 / 255 keeps
// the alpha), with the same exact truncating division as premultiplyWord.
inline __m128i premultiplyFour(__m128i v) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i alphaLane = _mm_set_epi16(255, 0, 0, 0, 255, 0, 0, 0);
  const __m128i colourLanes = _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1);
  const __m128i one = _mm_set1_epi16(1);
  auto half = [&](__m128i px) {
    __m128i a = _mm_shufflelo_epi16(px, _MM_SHUFFLE(3, 3, 3, 3));
    a = _mm_shufflehi_epi16(a, _MM_SHUFFLE(3, 3, 3, 3));
    a = _mm_or_si128(_mm_and_si128(a, colourLanes), alphaLane);
    __m128i product = _mm_mullo_epi16(px, a);
    product = _mm_add_epi16(_mm_add_epi16(product, one), _mm_srli_epi16(product, 8));
    return _mm_srli_epi16(product, 8);
  };
  return _mm_packus_epi16(half(_mm_unpacklo_epi8(v, zero)), half(_mm_unpackhi_epi8(v, zero)));
}
#endif

}  // namespace

std::uint32_t UnpremultiplyPixel(std::uint32_t p) { return unpremultiplyWord(p, unpremultiplyTable()); }

void UnpremultiplyPixels(const std::uint32_t* source, std::uint32_t* target, std::size_t count) {
  const UnpremultiplyTable& table = unpremultiplyTable();
  for (std::size_t i = pixel_kernels::UnpremultiplyWide(source, target, count); i < count; ++i) target[i] = unpremultiplyWord(source[i], table);
}

void UnpremultiplyPixelsToBytes(const std::uint32_t* source, char* target, std::size_t count) {
  const UnpremultiplyTable& table = unpremultiplyTable();
  for (std::size_t i = pixel_kernels::UnpremultiplyWide(source, target, count); i < count; ++i) {
    const std::uint32_t straight = unpremultiplyWord(source[i], table);
    std::memcpy(target + i * 4, &straight, 4);
  }
}

void Premultiply(ImageBuffer& image) { PremultiplyPixels(image.pixels(), image.pixelCount()); }

void PremultiplyPixels(std::uint32_t* p, std::size_t n) {
  std::size_t i = pixel_kernels::PremultiplyWide(p, n);
#if defined(__SSE2__)
  for (; i + 4 <= n; i += 4) {
    // Skin pictures are mostly opaque: four opaque pixels stay as they are.
    if (((p[i] & p[i + 1] & p[i + 2] & p[i + 3]) >> 24) == 255) continue;
    auto* at = reinterpret_cast<__m128i*>(p + i);
    _mm_storeu_si128(at, premultiplyFour(_mm_loadu_si128(at)));
  }
#endif
  for (; i < n; ++i) p[i] = premultiplyWord(p[i]);
}

void Unpremultiply(ImageBuffer& image) { UnpremultiplyPixels(image.pixels(), image.pixels(), image.pixelCount()); }

void UnpremultiplyKeyed(ImageBuffer& image) {
  std::uint32_t* p = image.pixels();
  const std::size_t n = image.pixelCount();
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t a = p[i] >> 24;
    const bool black = (p[i] & 0x00ffffffu) == 0;
    if (a != 0 && (a >= 80 || !black)) {
      p[i] = UnpremultiplyPixel(p[i]);
    } else {
      p[i] = kMagentaKey;
    }
  }
}

void KeyToTransparent(ImageBuffer& image) {
  std::uint32_t* p = image.pixels();
  const std::size_t n = image.pixelCount();
  for (std::size_t i = 0; i < n; ++i) {
    if ((p[i] & 0x00ffffffu) == 0x00ff00ffu) p[i] = 0;
  }
}

void CopyRect(const ImageBuffer& source, int x0, int y0, int w0, int h0, ImageBuffer& target, int dx0, int dy0) {
  // Clip against the source, then against the target, moving both origins together (64-bit, so
  // no rectangle from a file can overflow).
  long long x = x0, y = y0, w = w0, h = h0, dx = dx0, dy = dy0;
  auto clip = [](long long& origin, long long& other, long long& size, long long limit) {
    if (origin < 0) {
      size += origin;
      other -= origin;
      origin = 0;
    }
    if (origin + size > limit) size = limit - origin;
  };
  clip(x, dx, w, source.width());
  clip(y, dy, h, source.height());
  clip(dx, x, w, target.width());
  clip(dy, y, h, target.height());
  if (w <= 0 || h <= 0) return;
  for (long long row = 0; row < h; ++row) {
    std::memcpy(target.rowFromTop(static_cast<int>(dy + row)) + dx, source.rowFromTop(static_cast<int>(y + row)) + x,
                static_cast<std::size_t>(w) * 4);
  }
}

}  // namespace tessera
