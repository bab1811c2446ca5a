#include "standin/render/section_style.h"

#include <algorithm>

#include "core/platform/paths.h"
#include "standin/render/catalogue_lookup.h"

namespace tessera::render {

namespace {

// Older skins keep some pictures as keys of "Personality" instead of sections of their own.
struct LegacyPicture {
  const char* section;
  const char* key;
  const char* maskKey;
};
constexpr LegacyPicture kLegacyPictures[] = {
    {"MDIClient", "MDIBmp", "MDIBmpMask"},
    {"Dialog.Background", "DialogBmp", "DialogBmpMask"},
    {"Menu.Frame", "MenuBorders", "MenuBordersMask"},
    {"MenuBar.Background", "MenuBar", "MenuBarMask"},
    {"CheckBox", "CheckBox", "CheckBoxMask"},
    {"RadioButton", "RadioButton", "RadioButtonMask"},
};

// Margins beyond this are nonsense; keeping them bounded keeps the arithmetic safe.
constexpr int kMaxMargin = 1000;
int margin(const SkinModel& skin, std::string_view section, std::string_view key) {
  return std::clamp(skin.integer(section, key, 0), 0, kMaxMargin);
}
}  // namespace

Transparency TransparencyOf(bool trans, bool perPixel, bool premultiplied) {
  if (perPixel) return premultiplied ? Transparency::PerPixelPremultiplied : Transparency::PerPixel;
  return trans ? Transparency::MagentaKey : Transparency::Opaque;
}

SectionStyle ReadSectionStyle(const SkinModel& skin, std::string_view section) {
  SectionStyle style;
  style.section = std::string(section);
  std::string image = skin.text(section, "Image");
  if (image.empty()) image = skin.text(section, "Bitmap");
  style.imagePath = skin.resolveSlot(image);
  std::string mask = skin.text(section, "ImageMask");
  if (mask.empty()) mask = skin.text(section, "BitmapMask");
  if (image.empty()) {
    for (const auto& legacy : kLegacyPictures) {
      if (!paths::equalsIgnoreCase(section, legacy.section)) continue;
      image = skin.text("Personality", legacy.key);
      mask = skin.text("Personality", legacy.maskKey);
      style.imagePath = skin.resolveSlot(image);
    }
  }
  style.maskPath = skin.resolveSlot(mask);
  style.frameCount = skin.integer(section, "FrameCount", CatalogueImageCount(skin, section));
  style.vertical = skin.integer(section, "Vert", 0) != 0 || CatalogueVertical(skin, section);
  style.transparency = TransparencyOf(skin.integer(section, "Trans", 0) != 0, skin.integer(section, "PerPixel", 0) != 0,
                                      skin.integer(section, "PreMultipliedAlpha", 0) != 0);

  PaintingKeys& p = style.painting;
  p.simpleMode = skin.integer(section, "SimpleMode", 0);
  p.top = margin(skin, section, "TopHeight");
  p.bottom = margin(skin, section, "BottomHeight");
  p.left = margin(skin, section, "LeftWidth");
  p.right = margin(skin, section, "RightWidth");
  p.tileTop = skin.integer(section, "TileTop", 0) != 0;
  p.tileBottom = skin.integer(section, "TileBottom", 0) != 0;
  p.tileLeft = skin.integer(section, "TileLeft", 0) != 0;
  p.tileRight = skin.integer(section, "TileRight", 0) != 0;
  p.middle = skin.integer(section, "Tile", 0);
  p.edgesOnly = skin.integer(section, "EdgesOnly", 0) != 0;
  p.smartMargins = skin.integer(section, "SmartSmallMargins", 0) != 0;

  auto content = [&](std::string_view key) { return std::clamp(skin.integer(section, key, 0), -100, kMaxMargin); };
  style.content = QMargins(content("ContentLeft"), content("ContentTop"), content("ContentRight"), content("ContentBottom"));

  std::string glyph = skin.text(section, "GlyphImage");
  if (glyph.empty()) glyph = skin.text(section, "GlyphBitmap");
  GlyphKeys& g = style.glyph;
  g.path = skin.resolveSlot(glyph);
  std::string glyphMask = skin.text(section, "GlyphImageMask");
  if (glyphMask.empty()) glyphMask = skin.text(section, "GlyphBitmapMask");
  g.maskPath = skin.resolveSlot(glyphMask);
  g.vertical = skin.integer(section, "GlyphVert", 0) != 0;
  g.transMode = skin.integer(section, "GlyphTransMode", 0);
  g.horzAlign = skin.integer(section, "GlyphHorzAlign", 0);
  g.xShift = std::clamp(skin.integer(section, "GlyphXShift", 0), -1000, 1000);
  g.vertAlign = skin.integer(section, "GlyphVertAlign", 0);
  g.yShift = std::clamp(skin.integer(section, "GlyphYShift", 0), -1000, 1000);
  g.minWidth = skin.integer(section, "GlyphMinWidth", 0);
  g.minHeight = skin.integer(section, "GlyphMinHeight", 0);

  style.alphaMode = skin.integer(section, "AlphaMode", 0);
  return style;
}

}  // namespace tessera::render
