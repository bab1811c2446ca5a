#pragma once
// The platform's default colours for the system colour indexes 0 to 30, as COLORREF values
// (0x00BBGGRR). They stand in wherever a skin does not set a colour of its own.
#include <cstdint>

namespace tessera {

using ColorRef = std::uint32_t;

constexpr ColorRef MakeColorRef(int red, int green, int blue) {
  return static_cast<ColorRef>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}
constexpr int RedOf(ColorRef c) { return static_cast<int>(c & 0xff); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xff); }

inline constexpr int kSystemColourCount = 31;
inline constexpr int kDesktopColourIndex = 1;

// The default colour of a system colour index; black for an index out of range.
ColorRef PlatformSystemColour(int index);

}  // namespace tessera
