#include "core/platform/system_colours.h"

#include <array>

namespace tessera {

ColorRef PlatformSystemColour(int index) {
  // The classic desktop scheme.
  static constexpr std::array<ColorRef, kSystemColourCount> kDefaults = {
      MakeColorRef(212, 208, 200),  //  0 scroll bar
      MakeColorRef(58, 110, 165),   //  1 desktop background
      MakeColorRef(10, 36, 106),    //  2 active caption
      MakeColorRef(128, 128, 128),  //  3 inactive caption
      MakeColorRef(212, 208, 200),  //  4 menu
      MakeColorRef(255, 255, 255),  //  5 window
      MakeColorRef(0, 0, 0),        //  6 window frame
      MakeColorRef(0, 0, 0),        //  7 menu text
      MakeColorRef(0, 0, 0),        //  8 window text
      MakeColorRef(255, 255, 255),  //  9 caption text
      MakeColorRef(212, 208, 200),  // 10 active border
      MakeColorRef(212, 208, 200),  // 11 inactive border
      MakeColorRef(128, 128, 128),  // 12 application workspace
      MakeColorRef(10, 36, 106),    // 13 highlight
      MakeColorRef(255, 255, 255),  // 14 highlight text
      MakeColorRef(212, 208, 200),  // 15 button face
      MakeColorRef(128, 128, 128),  // 16 button shadow
      MakeColorRef(128, 128, 128),  // 17 grey text
      MakeColorRef(0, 0, 0),        // 18 button text
      MakeColorRef(212, 208, 200),  // 19 inactive caption text
      MakeColorRef(255, 255, 255),  // 20 button highlight
      MakeColorRef(64, 64, 64),     // 21 3D dark shadow
      MakeColorRef(212, 208, 200),  // 22 3D light
      MakeColorRef(0, 0, 0),        // 23 info text
      MakeColorRef(255, 255, 225),  // 24 info background
      MakeColorRef(181, 181, 181),  // 25 (unused slot)
      MakeColorRef(0, 0, 128),      // 26 hot-tracked item
      MakeColorRef(166, 202, 240),  // 27 gradient active caption
      MakeColorRef(192, 192, 192),  // 28 gradient inactive caption
      MakeColorRef(49, 106, 197),   // 29 menu highlight
      MakeColorRef(236, 233, 216),  // 30 menu bar
  };
  if (index < 0 || index >= kSystemColourCount) return 0;
  return kDefaults[static_cast<std::size_t>(index)];
}

}  // namespace tessera
