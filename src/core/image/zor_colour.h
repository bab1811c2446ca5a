#pragma once
// Hue, saturation and lightness as the ZOR format computes them: the encoder compares pixels by
// them and the decoder relights colours by replacing their lightness.
namespace tessera::zor {

struct Hsl {
  double hue = 0;         // degrees, [0, 360)
  double saturation = 0;  // 0 .. 1
  double lightness = 0;   // 0 .. 1
};

// Red, green and blue (0 .. 255) to hue, saturation and lightness. When two channels tie for the
// maximum, red wins over green and green over blue.
Hsl ToHsl(int red, int green, int blue);
// Back to red, green, blue, each scaled to 0 .. 255 and truncated.
void FromHsl(const Hsl& hsl, int& red, int& green, int& blue);
// The colour with its lightness replaced by lightnessByte / 255.
void Relight(int red, int green, int blue, int lightnessByte, int& outRed, int& outGreen, int& outBlue);

}  // namespace tessera::zor
