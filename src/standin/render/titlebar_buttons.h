#pragma once
// The skin's own title-bar buttons ("Button0".."ButtonN-1"), placed on a window frame.
#include <QPainter>
#include <QRect>

#include "standin/render/section_painter.h"

namespace tessera::render {

// The number of title-bar buttons: "ButtonCount" of "Personality" when present (the
// Personality layout), else of "Caption". Bounded to what the editor handles.
int TitleBarButtonCount(const SkinModel& skin);
bool UsesPersonalityButtonLayout(const SkinModel& skin);

// How the buttons of a texture (glass) frame are drawn: with the strength "ButtonAlpha" of "DWM"
// (0..255) and their hue turned by "ButtonHue" of "WindowFrame.Activetexture" (0..360), the close
// button by "CloseButtonHue". A hue below 0 (the key absent) leaves the colours alone. Other
// frames draw their buttons as they are: the default tint.
struct ButtonTint {
  int alpha = 255;
  int hue = -1;
  int closeHue = -1;
};
ButtonTint TextureFrameButtonTint(const SkinModel& skin);

// `picture` with the hue of every coloured pixel turned by `degrees`; grey pixels, lightness,
// saturation and alpha stay.
QImage HueRotated(const QImage& picture, int degrees);

// Draws every button on the window `window` whose caption text spans `caption`. `hoverState`
// is the preview state (1 normal, 2 mouse over, 3 pressed) shown by the buttons.
// Buttons whose "Action" is 0 (close) take the close button's hue.
void PaintTitleBarButtons(QPainter& painter, RenderContext& context, const QRect& window, const QRect& caption,
                          bool active, int hoverState, const ButtonTint& tint = {});

// Skins without buttons of their own: the standard close, maximise and minimise buttons
// ("WindowFrame.CloseButton", ...) along the right of the top border `captionBand`, and the
// picture buttons "WindowFrame.SystemIconPerPixel" and "WindowFrame.Button1PerPixel" to
// "WindowFrame.Button3PerPixel" at their own offsets. The close button shows `hoverState`.
void PaintStandardFrameButtons(QPainter& painter, RenderContext& context, const QRect& window,
                               const QRect& captionBand, bool active, int hoverState, const ButtonTint& tint = {});

// A glass frame whose skin has none of the standard frame button pictures: the engine's own
// glass buttons (minimise, maximise, close) along the right of `captionBand`, drawn red and
// turned by the tint's hues, so "ButtonHue" and "CloseButtonHue" name the buttons' colour on the
// colour wheel. Returns false (drawing nothing) when the skin has standard button pictures.
bool PaintGlassFrameButtons(QPainter& painter, RenderContext& context, const QRect& captionBand, bool active,
                            int hoverState, const ButtonTint& tint);

}  // namespace tessera::render
