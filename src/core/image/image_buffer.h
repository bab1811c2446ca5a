#pragma once
// The in-memory picture: 32 bits per pixel (bytes blue, green, red, alpha), no row padding,
// colour pre-multiplied by alpha. Rows are bottom-up (first memory row = bottom row of the
// picture) except in the top-down frames the ZOR decoder makes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tessera {

enum class RowOrder { BottomUp, TopDown };

// Largest picture any operation creates (8192 x 8192); bigger sizes are refused as absurd.
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{8192} * 8192;

// Pixel words are little-endian: blue | green << 8 | red << 16 | alpha << 24.
constexpr std::uint32_t MakePixel(int blue, int green, int red, int alpha) {
  return static_cast<std::uint32_t>((blue & 0xff) | ((green & 0xff) << 8) | ((red & 0xff) << 16) |
                                    (static_cast<std::uint32_t>(alpha & 0xff) << 24));
}
constexpr int BlueOfPixel(std::uint32_t p) { return static_cast<int>(p & 0xff); }
constexpr int GreenOfPixel(std::uint32_t p) { return static_cast<int>((p >> 8) & 0xff); }
constexpr int RedOfPixel(std::uint32_t p) { return static_cast<int>((p >> 16) & 0xff); }
constexpr int AlphaOfPixel(std::uint32_t p) { return static_cast<int>(p >> 24); }

inline constexpr std::uint32_t kMagentaKey = MakePixel(255, 0, 255, 255);

class ImageBuffer {
 public:
  ImageBuffer() = default;
  // All zero (transparent black). Use CreateImage, which checks the size.
  ImageBuffer(int width, int height, RowOrder order);
  // Pixels left unset, for decoders that write every pixel at once.
  struct Uninitialized {};
  ImageBuffer(int width, int height, RowOrder order, Uninitialized);
  ImageBuffer(const ImageBuffer& other);
  ImageBuffer& operator=(const ImageBuffer& other);
  ImageBuffer(ImageBuffer&& other) noexcept;
  ImageBuffer& operator=(ImageBuffer&& other) noexcept;
  ~ImageBuffer() = default;

  int width() const { return width_; }
  int height() const { return height_; }
  RowOrder rowOrder() const { return order_; }
  bool isEmpty() const { return count_ == 0; }
  std::size_t pixelCount() const { return count_; }
  std::size_t byteCount() const { return count_ * 4; }

  // Pixels in memory order.
  std::uint32_t* pixels() { return pixels_.get(); }
  const std::uint32_t* pixels() const { return pixels_.get(); }
  std::uint8_t* bytes() { return reinterpret_cast<std::uint8_t*>(pixels_.get()); }
  const std::uint8_t* bytes() const { return reinterpret_cast<const std::uint8_t*>(pixels_.get()); }

  // Row `y` counted from the top of the picture, whatever the row order.
  std::uint32_t* rowFromTop(int y) { return pixels_.get() + memoryRowIndex(y) * static_cast<std::size_t>(width_); }
  const std::uint32_t* rowFromTop(int y) const {
    return pixels_.get() + memoryRowIndex(y) * static_cast<std::size_t>(width_);
  }
  std::uint32_t pixelAt(int x, int yFromTop) const { return rowFromTop(yFromTop)[x]; }
  void setPixelAt(int x, int yFromTop, std::uint32_t value) { rowFromTop(yFromTop)[x] = value; }

  void fill(std::uint32_t value);

 private:
  std::size_t memoryRowIndex(int y) const {
    return static_cast<std::size_t>(order_ == RowOrder::TopDown ? y : height_ - 1 - y);
  }

  int width_ = 0;
  int height_ = 0;
  RowOrder order_ = RowOrder::BottomUp;
  std::size_t count_ = 0;
  std::unique_ptr<std::uint32_t[]> pixels_;
};

// True when both dimensions are positive and the pixel count is within kMaxImagePixels.
bool IsAcceptableImageSize(std::int64_t width, std::int64_t height);

// A new all-zero image; none for a size that is not positive or is absurdly large.
std::optional<ImageBuffer> CreateImage(int width, int height);
std::optional<ImageBuffer> CreateImageTopDown(int width, int height);

// True when any pixel's alpha byte is non-zero; an image without pixels answers false.
bool HasAlpha(const ImageBuffer& image);

// Straight -> pre-multiplied: colour = colour * alpha / 255 (truncated).
void Premultiply(ImageBuffer& image);
// Pre-multiplied -> straight: alpha 0 gives all zero, otherwise colour = colour * 255 / alpha,
// held to 255 for input that is not valid pre-multiplied colour.
void Unpremultiply(ImageBuffer& image);
// As Unpremultiply, but pixels that are fully transparent, or below alpha 80 and black, become
// opaque magenta (the colour key of BMP pictures).
void UnpremultiplyKeyed(ImageBuffer& image);
// Magenta pixels (any alpha) become fully transparent.
void KeyToTransparent(ImageBuffer& image);

// Premultiply of `count` pixels in place.
void PremultiplyPixels(std::uint32_t* pixels, std::size_t count);
// Unpremultiply of `count` pixels from `source` into `target` (which may be the same memory).
void UnpremultiplyPixels(const std::uint32_t* source, std::uint32_t* target, std::size_t count);

// Unpremultiply of `count` pixels into little-endian bytes at `target` (any alignment), as a
// file stores them.
void UnpremultiplyPixelsToBytes(const std::uint32_t* source, char* target, std::size_t count);

// Per-pixel forms of the conversions above.
std::uint32_t PremultiplyPixel(std::uint32_t straight);
std::uint32_t UnpremultiplyPixel(std::uint32_t premultiplied);

// Copies the source rectangle (x, y from the top-left, width w, height h) to (dx, dy) of the
// target, clipped to both pictures. Row orders may differ.
void CopyRect(const ImageBuffer& source, int x, int y, int w, int h, ImageBuffer& target, int dx, int dy);

}  // namespace tessera
