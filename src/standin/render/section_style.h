#pragma once
// The keys that say how one skin section is painted, read once per drawing.
#include <QMargins>
#include <string>
#include <string_view>

#include "standin/render/picture_loader.h"
#include "standin/render/skin_model.h"

namespace tessera::render {

// "SimpleMode", margins, tile flags and the middle mode.
struct PaintingKeys {
  int simpleMode = 0;  // 0 margins, 1 stretch vertically, 2 stretch horizontally, 3 centre
  int top = 0, bottom = 0, left = 0, right = 0;
  bool tileTop = false, tileBottom = false, tileLeft = false, tileRight = false;
  int middle = 0;  // "Tile": 0 stretch, 1 tile, 2 tile horizontally, 3 stretch horizontally, 4 centre
  bool edgesOnly = false;
  bool smartMargins = false;
};

struct GlyphKeys {
  std::string path;  // resolved full path, empty without a glyph
  std::string maskPath;  // "GlyphImageMask" (else "GlyphBitmapMask") of older skins
  bool vertical = false;
  int transMode = 0;  // 0 none, 1 magic pink, 2 constant alpha, 3 per-pixel alpha
  int horzAlign = 0, xShift = 0, vertAlign = 0, yShift = 0;
  int minWidth = 0, minHeight = 0;
};

struct SectionStyle {
  std::string section;
  std::string imagePath;  // resolved full path of "Image" (else "Bitmap"); empty when unset
  std::string maskPath;   // "ImageMask" (else "BitmapMask") of older skins
  int frameCount = 1;     // as stored; sanitised when a frame is cut
  bool vertical = false;
  Transparency transparency = Transparency::Opaque;
  PaintingKeys painting;
  QMargins content;  // "ContentLeft", "ContentTop", "ContentRight", "ContentBottom"
  GlyphKeys glyph;
  int alphaMode = 0;
};

// Reads the section's keys. A missing "FrameCount" is the catalogue's image count, and the
// catalogue's "Vert" stacks the frames as the skin's own "Vert" does.
SectionStyle ReadSectionStyle(const SkinModel& skin, std::string_view section);

// The transparency rule of the keys "Trans", "PerPixel" and "PreMultipliedAlpha".
Transparency TransparencyOf(bool trans, bool perPixel, bool premultiplied);

}  // namespace tessera::render
