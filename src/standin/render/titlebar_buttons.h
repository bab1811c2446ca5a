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

// Draws every button on the window `window` whose caption text spans `caption`. `hoverState`
// is the preview state (1 normal, 2 mouse over, 3 pressed) shown by the buttons.
void PaintTitleBarButtons(QPainter& painter, RenderContext& context, const QRect& window, const QRect& caption,
                          bool active, int hoverState);

// Skins without buttons of their own: the standard close, maximise and minimise buttons
// ("WindowFrame.CloseButton", ...) along the right of the top border `captionBand`, and the
// picture buttons "WindowFrame.SystemIconPerPixel" and "WindowFrame.Button1PerPixel" to
// "WindowFrame.Button3PerPixel" at their own offsets. The close button shows `hoverState`.
void PaintStandardFrameButtons(QPainter& painter, RenderContext& context, const QRect& window,
                               const QRect& captionBand, bool active, int hoverState);

}  // namespace tessera::render
