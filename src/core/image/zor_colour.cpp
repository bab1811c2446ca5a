#include "core/image/zor_colour.h"

#include <algorithm>

namespace tessera::zor {

Hsl ToHsl(int r, int g, int b) {
  Hsl hsl;
  const int maxc = std::max({r, g, b});
  const int minc = std::min({r, g, b});
  hsl.lightness = (maxc + minc) / 510.0;
  if (maxc == minc) return hsl;
  const double delta = maxc - minc;
  hsl.saturation = hsl.lightness <= 0.5 ? delta / (maxc + minc) : delta / (510.0 - maxc - minc);
  double hue;
  if (r == maxc) {
    hue = 60.0 * (g - b) / delta + 360.0;
  } else if (g == maxc) {
    hue = 120.0 + 60.0 * (b - r) / delta;
  } else {
    hue = 240.0 + 60.0 * (r - g) / delta;
  }
  while (hue >= 360.0) hue -= 360.0;
  hsl.hue = hue;
  return hsl;
}

namespace {

double channel(double m1, double m2, double h) {
  while (h >= 360.0) h -= 360.0;
  while (h < 0.0) h += 360.0;
  if (h < 60.0) return m1 + (m2 - m1) * h / 60.0;
  if (h < 180.0) return m2;
  if (h < 240.0) return m1 + (m2 - m1) * (240.0 - h) / 60.0;
  return m1;
}

// The small bias keeps exact values such as 100 / 255 * 255 from truncating to 99.
int toByte(double v) { return std::clamp(static_cast<int>(v * 255.0 + 1e-9), 0, 255); }

}  // namespace

void FromHsl(const Hsl& hsl, int& r, int& g, int& b) {
  const double l = hsl.lightness;
  const double s = hsl.saturation;
  if (s == 0.0) {
    r = g = b = toByte(l);
    return;
  }
  const double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
  const double m1 = 2.0 * l - m2;
  r = toByte(channel(m1, m2, hsl.hue + 120.0));
  g = toByte(channel(m1, m2, hsl.hue));
  b = toByte(channel(m1, m2, hsl.hue - 120.0));
}

void Relight(int red, int green, int blue, int lightnessByte, int& outRed, int& outGreen, int& outBlue) {
  Hsl hsl = ToHsl(red, green, blue);
  hsl.lightness = lightnessByte / 255.0;
  FromHsl(hsl, outRed, outGreen, outBlue);
}

}  // namespace tessera::zor
