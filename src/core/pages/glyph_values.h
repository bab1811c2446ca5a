#pragma once
// The number keys of the "Glyph" page: how the second picture is blended and placed over the
// first. Each is read with default 0 and written as decimal text.
#include <array>
#include <string_view>

namespace tessera {

namespace glyph_keys {
inline constexpr const char* TransMode = "GlyphTransMode";
inline constexpr const char* HorzAlign = "GlyphHorzAlign";
inline constexpr const char* XShift = "GlyphXShift";
inline constexpr const char* VertAlign = "GlyphVertAlign";
inline constexpr const char* YShift = "GlyphYShift";
inline constexpr const char* MinWidth = "GlyphMinWidth";
inline constexpr const char* MinHeight = "GlyphMinHeight";
}  // namespace glyph_keys

// "Use Constant Alpha blending": the only mode with a constant alpha value.
inline constexpr int kGlyphConstantAlphaMode = 2;

int ReadGlyphValue(std::string_view section, const char* key);
void WriteGlyphValue(std::string_view section, const char* key, int value);

}  // namespace tessera
