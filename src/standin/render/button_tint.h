#pragma once
// How the buttons of a texture (glass) frame are drawn: with the strength "ButtonAlpha" of "DWM"
// (0..255) and their hue turned by "ButtonHue" of "WindowFrame.Activetexture" (0..360), the close
// button by "CloseButtonHue". A hue below 0 (the key absent) leaves the colours alone. Other
// frames draw their buttons as they are: the default tint.
#include <QImage>
#include <QPainter>
#include <QRect>

#include "standin/render/skin_model.h"

namespace tessera::render {

struct ButtonTint {
  int alpha = 255;
  int hue = -1;
  int closeHue = -1;
};
ButtonTint TextureFrameButtonTint(const SkinModel& skin);

// `picture` with the hue of every coloured pixel turned by `degrees`; grey pixels, lightness,
// saturation and alpha stay.
QImage HueRotated(const QImage& picture, int degrees);

// Draws `source` of `picture` into `target` with the tint (the close button's hue for `isClose`).
void DrawTintedButton(QPainter& painter, const QRect& target, const QImage& picture, const QRect& source,
                      const ButtonTint& tint, bool isClose);

}  // namespace tessera::render
