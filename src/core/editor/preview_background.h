#pragma once
// Backgrounds of the section editor's large preview and the interface grey its brightness slider
// sets.
#include <QColor>
#include <QImage>
#include <array>

namespace tessera {

inline constexpr std::array<const char*, 6> kPreviewBackgrounds = {"White", "Dialog", "Window", "Desktop", "Black",
                                                                   "Grid"};
inline constexpr int kBackgroundWhite = 0;
inline constexpr int kBackgroundGrid = 5;
inline constexpr int kGridSquare = 8;

// The slider runs 0..128 and stands for the grey 255 - position.
inline constexpr int kBrightnessSliderMax = 128;
int GreyFromSlider(int position);
int SliderFromGrey(int grey);
// The grey stored as "Brightness", kept to the slider's range.
int StoredInterfaceGrey();

// Fills `canvas` with background `index` (out of range: the interface grey). Dialog, window and
// desktop are the skin's own colours as the preview library gives them.
void FillPreviewBackground(QImage& canvas, int index, int grey);

}  // namespace tessera
