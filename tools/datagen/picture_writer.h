#pragma once
// Writes the generator's QPainter drawings through the editor's own image writers, so that the
// data folder's pictures have exactly the bytes the engine and the editor read.
#include <QImage>
#include <string>

namespace tessera::datagen {

// A transparent canvas to draw on.
QImage NewCanvas(int width, int height);

// TGA with straight alpha.
bool WriteTga(const QImage& picture, const std::string& path);
// 24-bit BMP: pixels less than half opaque become magenta (the transparent colour of BMP
// pictures); the others are drawn over the face colour of the picture, opaque.
bool WriteKeyedBmp(const QImage& picture, const std::string& path);
// PNG with alpha (interface pictures, previews, samples).
bool WritePng(const QImage& picture, const std::string& path);
// Chooses TGA or BMP by the path's extension; PNG for ".png".
bool WritePicture(const QImage& picture, const std::string& path);

}  // namespace tessera::datagen
