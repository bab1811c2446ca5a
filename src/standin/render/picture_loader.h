#pragma once
// Reading picture files for the renderer. This is the one place that decodes files, so the
// decoder can change without touching the painters.
#include <QImage>
#include <QSize>
#include <optional>
#include <string>

#include "core/engine/vl_abi.h"

namespace tessera::render {

// How a section's picture is made transparent (the keys "Trans", "PerPixel",
// "PreMultipliedAlpha").
enum class Transparency {
  Opaque,                  // alpha ignored
  MagentaKey,              // pure magenta (255, 0, 255) becomes transparent
  PerPixel,                // straight alpha in the file
  PerPixelPremultiplied,   // alpha already multiplied into the colour
};

// The file decoded as straight (non pre-multiplied) 32-bit ARGB, or a null image when it cannot
// be read. A ZOR animation gives frame `animationFrame` (the first one when it has no such
// frame) and sets `animationFrames` to its frame count; other pictures set it to 1.
QImage DecodePictureFile(const std::string& path, int animationFrame = 0, int* animationFrames = nullptr);

// The editor's picture loader (handed over with SetPointer): while one is set, picture files
// other than ZOR animations are decoded through it at their own size; when it cannot read a
// file the renderer's own decoder is used. nullptr goes back to the own decoder alone.
void SetExternalPictureLoader(VlImageLoader loader);
VlImageLoader ExternalPictureLoader();

// The pixel size a picture file declares in its header (TGA and BMP read directly, the other
// formats through Qt's readers); nothing when it cannot be told.
std::optional<QSize> PictureFileSize(const std::string& path);

// True for a path whose extension is ".zor".
bool IsAnimationFile(const std::string& path);

// Applies the transparency rule and returns Format_ARGB32_Premultiplied.
QImage PrepareForDrawing(const QImage& straight, Transparency transparency);

}  // namespace tessera::render
