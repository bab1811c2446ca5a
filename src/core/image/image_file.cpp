#include "core/image/image_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/platform/files.h"
#include "core/platform/paths.h"

namespace tessera {

namespace {

constexpr std::size_t kTgaHeaderSize = 18;
constexpr std::size_t kBmpHeaderSize = 54;

std::uint16_t readLe16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

void putLe16(std::string& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<char>(v & 0xff);
  out[at + 1] = static_cast<char>((v >> 8) & 0xff);
}

void putLe32(std::string& out, std::size_t at, std::uint32_t v) {
  putLe16(out, at, v & 0xffff);
  putLe16(out, at + 2, v >> 16);
}

struct TgaLayout {
  int width = 0;
  int height = 0;
  std::size_t pixelOffset = 0;
};

// Checks the header against the one accepted kind. The file may hold fewer pixels than the
// header promises: the decoders read what is there and leave the rest transparent.
std::optional<TgaLayout> parseTgaHeader(const unsigned char* h, std::uint64_t fileSize) {
  if (fileSize < kTgaHeaderSize) return std::nullopt;
  if (h[1] != 0 || h[2] != 2 || h[16] != 32 || h[17] != 8) return std::nullopt;
  TgaLayout layout;
  layout.width = readLe16(h + 12);
  layout.height = readLe16(h + 14);
  layout.pixelOffset = kTgaHeaderSize + h[0];
  if (!IsAcceptableImageSize(layout.width, layout.height)) return std::nullopt;
  return layout;
}

// How many pixel bytes of `wanted` a file of `fileSize` bytes holds from `offset` on.
std::size_t availableBytes(std::uint64_t fileSize, std::size_t offset, std::size_t wanted) {
  if (fileSize <= offset) return 0;
  return static_cast<std::size_t>(std::min<std::uint64_t>(fileSize - offset, wanted));
}

// Reads up to `size` bytes from `offset`; returns how many arrived (fewer at the end of the file).
std::size_t readUpTo(int fd, void* buffer, std::size_t size, off_t offset) {
  auto* p = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd, p + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

// A decoded image whose first `filled` bytes are set; the rest become transparent.
ImageBuffer finishTga(ImageBuffer image, std::size_t filled) {
  if (filled < image.byteCount()) std::memset(image.bytes() + filled, 0, image.byteCount() - filled);
  Premultiply(image);
  return image;
}

bool isTgaFormat(const QByteArray& format) { return format.compare("tga", Qt::CaseInsensitive) == 0; }

// Decodes through the codec into a straight or pre-multiplied top-down QImage; never TGA (the
// one TGA kind the program accepts is read above, every other kind must fail).
std::optional<QImage> decodeWithCodec(std::string_view bytes, QImage::Format format, std::string* formatName) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::ReadOnly)) return std::nullopt;
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  const QByteArray name = reader.format();
  if (name.isEmpty() || isTgaFormat(name)) return std::nullopt;
  const QSize size = reader.size();
  if (size.isValid() && !IsAcceptableImageSize(size.width(), size.height())) return std::nullopt;
  QImage image;
  if (!reader.read(&image) || image.isNull()) return std::nullopt;
  if (!IsAcceptableImageSize(image.width(), image.height())) return std::nullopt;
  if (image.format() != format) image.convertTo(format);
  if (image.format() != format || image.isNull()) return std::nullopt;
  if (formatName) *formatName = name.toLower().toStdString();
  return image;
}

// Copies a top-down 32-bit QImage into a new bottom-up image.
std::optional<ImageBuffer> fromQImage(const QImage& image) {
  auto result = CreateImage(image.width(), image.height());
  if (!result) return std::nullopt;
  const std::size_t rowBytes = static_cast<std::size_t>(image.width()) * 4;
  for (int y = 0; y < image.height(); ++y) std::memcpy(result->rowFromTop(y), image.constScanLine(y), rowBytes);
  return result;
}

}  // namespace

std::optional<ImageBuffer> DecodeTgaData(std::string_view bytes) {
  const auto* h = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto layout = parseTgaHeader(h, bytes.size());
  if (!layout) return std::nullopt;
  ImageBuffer image(layout->width, layout->height, RowOrder::BottomUp, ImageBuffer::Uninitialized{});
  const std::size_t n = availableBytes(bytes.size(), layout->pixelOffset, image.byteCount());
  if (n > 0) std::memcpy(image.bytes(), bytes.data() + layout->pixelOffset, n);
  return finishTga(std::move(image), n);
}

std::optional<ImageBuffer> DecodeTga(std::string_view path) {
  const std::string resolved = paths::resolve(path);
  const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<ImageBuffer> result;
  struct stat st{};
  unsigned char header[kTgaHeaderSize];
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && readUpTo(fd, header, sizeof header, 0) == sizeof header) {
    // The pixels are read straight into the image: the file's order is the memory order.
    if (const auto layout = parseTgaHeader(header, static_cast<std::uint64_t>(st.st_size))) {
      ImageBuffer image(layout->width, layout->height, RowOrder::BottomUp, ImageBuffer::Uninitialized{});
      const std::size_t n = readUpTo(fd, image.bytes(), image.byteCount(), static_cast<off_t>(layout->pixelOffset));
      result = finishTga(std::move(image), n);
    }
  }
  ::close(fd);
  return result;
}

std::optional<ImageBuffer> LoadImageData(std::string_view bytes, std::string* format) {
  if (auto tga = DecodeTgaData(bytes)) {
    if (format) *format = "tga";
    return tga;
  }
  const auto image = decodeWithCodec(bytes, QImage::Format_ARGB32_Premultiplied, format);
  if (!image) return std::nullopt;
  return fromQImage(*image);
}

std::optional<ImageBuffer> LoadImageFile(std::string_view path, std::string& format) {
  if (auto tga = DecodeTga(path)) {
    format = "tga";
    return tga;
  }
  const auto bytes = files::readAll(path);
  if (!bytes) return std::nullopt;
  const auto image = decodeWithCodec(*bytes, QImage::Format_ARGB32_Premultiplied, &format);
  if (!image) return std::nullopt;
  return fromQImage(*image);
}

std::optional<ImageBuffer> LoadImageFile(std::string_view path) {
  std::string format;
  return LoadImageFile(path, format);
}

std::optional<ImageBuffer> LoadKeyedBitmap(std::string_view name) {
  if (name.empty()) return std::nullopt;
  if (name.back() == 'a' || name.back() == 'A') return DecodeTga(name);
  const auto bytes = files::readAll(name);
  if (!bytes) return std::nullopt;
  const auto image = decodeWithCodec(*bytes, QImage::Format_ARGB32, nullptr);
  if (!image) return std::nullopt;
  auto result = fromQImage(*image);
  if (!result) return std::nullopt;
  std::uint32_t* p = result->pixels();
  for (std::size_t i = 0; i < result->pixelCount(); ++i) {
    p[i] = (p[i] & 0x00ffffffu) == 0x00ff00ffu ? 0u : (p[i] | 0xff000000u);
  }
  return result;
}

std::string EncodeTga(const ImageBuffer& image) {
  const std::size_t pixelBytes = image.byteCount();
  std::string out(kTgaHeaderSize + pixelBytes, '\0');
  out[2] = 2;
  putLe16(out, 12, static_cast<std::uint32_t>(image.width()));
  putLe16(out, 14, static_cast<std::uint32_t>(image.height()));
  out[16] = 32;
  out[17] = 8;
  // Bottom row first, straight alpha (little-endian words are the file's blue, green, red, alpha).
  char* dst = out.data() + kTgaHeaderSize;
  const std::size_t rowBytes = static_cast<std::size_t>(image.width()) * 4;
  for (int y = image.height() - 1; y >= 0; --y, dst += rowBytes) {
    UnpremultiplyPixelsToBytes(image.rowFromTop(y), dst, static_cast<std::size_t>(image.width()));
  }
  return out;
}

std::string EncodeBmp(const ImageBuffer& image) {
  const std::uint32_t w = static_cast<std::uint32_t>(image.width());
  const std::uint32_t h = static_cast<std::uint32_t>(image.height());
  const std::uint32_t rowBytes = ((24 * w + 31) / 32) * 4;
  const std::uint32_t pixelBytes = rowBytes * h;
  std::string out(kBmpHeaderSize + pixelBytes, '\0');
  out[0] = 'B';
  out[1] = 'M';
  putLe32(out, 2, static_cast<std::uint32_t>(kBmpHeaderSize) + pixelBytes);
  putLe32(out, 10, static_cast<std::uint32_t>(kBmpHeaderSize));
  putLe32(out, 14, 40);
  putLe32(out, 18, w);
  putLe32(out, 22, h);
  putLe16(out, 26, 1);
  putLe16(out, 28, 24);
  putLe32(out, 34, pixelBytes);
  // Rows bottom-up, blue green red, the pre-multiplied colour (the picture over black).
  for (std::uint32_t row = 0; row < h; ++row) {
    const std::uint32_t* src = image.rowFromTop(static_cast<int>(h - 1 - row));
    char* dst = out.data() + kBmpHeaderSize + std::size_t(row) * rowBytes;
    for (std::uint32_t x = 0; x < w; ++x) {
      dst[3 * x] = static_cast<char>(BlueOfPixel(src[x]));
      dst[3 * x + 1] = static_cast<char>(GreenOfPixel(src[x]));
      dst[3 * x + 2] = static_cast<char>(RedOfPixel(src[x]));
    }
  }
  return out;
}

bool SaveImageFile(std::string_view path, const ImageBuffer& image, bool asBmp) {
  if (image.isEmpty()) return false;
  // The TGA header holds 16-bit sizes.
  if (!asBmp && (image.width() > 0xffff || image.height() > 0xffff)) return false;
  return files::writeAllAtomic(path, asBmp ? EncodeBmp(image) : EncodeTga(image));
}

int SaveImagePng(const ImageBuffer& image, std::string_view path) {
  if (image.isEmpty()) return 1;
  QImage straight(image.width(), image.height(), QImage::Format_ARGB32);
  if (straight.isNull()) return 1;
  for (int y = 0; y < image.height(); ++y) {
    const std::uint32_t* src = image.rowFromTop(y);
    UnpremultiplyPixels(src, reinterpret_cast<std::uint32_t*>(straight.scanLine(y)), static_cast<std::size_t>(image.width()));
  }
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(straight)) return 1 + static_cast<int>(writer.error());
  if (!files::writeAllAtomic(path, std::string_view(encoded.constData(), static_cast<std::size_t>(encoded.size())))) {
    return 1 + static_cast<int>(QImageWriter::DeviceError);
  }
  return 0;
}

}  // namespace tessera
