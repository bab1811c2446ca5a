#pragma once
// Reading and writing picture files. TGA (uncompressed 32-bit, bottom-left origin) is read and
// written here byte for byte; BMP is written here as 24-bit; BMP, PNG and JPEG are decoded and
// PNG encoded through Qt's image codecs. Files hold straight colour, memory pre-multiplied.
#include <optional>
#include <string>
#include <string_view>

#include "core/image/image_buffer.h"

namespace tessera {

// Reads a picture: an accepted TGA by content whatever the extension, otherwise anything the
// codec reads (TGA excepted). Pre-multiplied and bottom-up; none when the file cannot be read.
std::optional<ImageBuffer> LoadImageFile(std::string_view path);
// The same, also naming the format read: "tga", "bmp", "png", "jpeg" or the codec's name.
std::optional<ImageBuffer> LoadImageFile(std::string_view path, std::string& format);
// The same on bytes already in memory.
std::optional<ImageBuffer> LoadImageData(std::string_view bytes, std::string* format = nullptr);

// Reads the one accepted TGA kind: image type 2, no colour map, 32 bits, descriptor 8. None for
// any other kind, for absurd sizes and for a file shorter than its header promises.
std::optional<ImageBuffer> DecodeTga(std::string_view path);
std::optional<ImageBuffer> DecodeTgaData(std::string_view bytes);

// A preview piece: a ".tga" name (last letter "a") is read as TGA; anything else through the
// codec, opaque, with magenta as the transparent colour.
std::optional<ImageBuffer> LoadKeyedBitmap(std::string_view name);

// Writes TGA (asBmp false, straight alpha) or a 24-bit BMP (asBmp true: alpha dropped, the
// pre-multiplied colour kept, which is the picture over black). The file is replaced atomically;
// false when it cannot be written. The caller's image is not changed.
bool SaveImageFile(std::string_view path, const ImageBuffer& image, bool asBmp);
// Writes a PNG with straight alpha; 0 on success, otherwise a non-zero error code.
int SaveImagePng(const ImageBuffer& image, std::string_view path);

// The exact file bytes the savers write.
std::string EncodeTga(const ImageBuffer& image);
std::string EncodeBmp(const ImageBuffer& image);

}  // namespace tessera
