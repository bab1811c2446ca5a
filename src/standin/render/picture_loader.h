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
// be read. ZOR animations give their first frame.
QImage DecodePictureFile(const std::string& path);

// Applies the transparency rule and returns Format_ARGB32_Premultiplied.
QImage PrepareForDrawing(const QImage& straight, Transparency transparency);

}  // namespace tessera::render
