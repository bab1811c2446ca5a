#pragma once
// Reading picture files for the renderer. This is the one place that decodes files, so the
// decoder can change without touching the painters.
#include <QImage>
#include <string>

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

// True for a path whose extension is ".zor".
bool IsAnimationFile(const std::string& path);

// Applies the transparency rule and returns Format_ARGB32_Premultiplied.
QImage PrepareForDrawing(const QImage& straight, Transparency transparency);

}  // namespace tessera::render
