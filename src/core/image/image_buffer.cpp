#include "core/image/image_buffer.h"

#include <algorithm>
#include <array>
#include <cstring>

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

ImageBuffer::ImageBuffer(int width, int height, RowOrder order)
    : width_(width), height_(height), order_(order),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u) {}

void ImageBuffer::fill(std::uint32_t value) { std::fill(pixels_.begin(), pixels_.end(), value); }

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

std::uint32_t PremultiplyPixel(std::uint32_t p) {
  const std::uint32_t a = p >> 24;
  if (a == 255) return p;
  const std::uint32_t b = divide255((p & 0xff) * a);
  const std::uint32_t g = divide255(((p >> 8) & 0xff) * a);
  const std::uint32_t r = divide255(((p >> 16) & 0xff) * a);
  return b | (g << 8) | (r << 16) | (a << 24);
}

std::uint32_t UnpremultiplyPixel(std::uint32_t p) {
  const std::uint32_t a = p >> 24;
  if (a == 255) return p;
  if (a == 0) return 0;
  const auto& row = unpremultiplyTable().values[a];
  return row[p & 0xff] | (std::uint32_t{row[(p >> 8) & 0xff]} << 8) | (std::uint32_t{row[(p >> 16) & 0xff]} << 16) |
         (a << 24);
}

void Premultiply(ImageBuffer& image) {
  std::uint32_t* p = image.pixels();
  const std::size_t n = image.pixelCount();
  for (std::size_t i = 0; i < n; ++i) {
    if ((p[i] >> 24) != 255) p[i] = PremultiplyPixel(p[i]);
  }
}

void Unpremultiply(ImageBuffer& image) {
  std::uint32_t* p = image.pixels();
  const std::size_t n = image.pixelCount();
  for (std::size_t i = 0; i < n; ++i) {
    if ((p[i] >> 24) != 255) p[i] = UnpremultiplyPixel(p[i]);
  }
}

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
