#pragma once
// Skins without buttons of their own: the standard close, maximise and minimise buttons
// ("WindowFrame.CloseButton", ...) along the right of the top border, and the picture buttons
// "WindowFrame.SystemIconPerPixel" and "WindowFrame.Button1PerPixel" to
// "WindowFrame.Button3PerPixel" at their own offsets.
#include <QPainter>
#include <QRect>

#include "standin/render/button_tint.h"
#include "standin/render/section_painter.h"

namespace tessera::render {

// The close button shows `hoverState` (1 normal, 2 mouse over, 3 pressed; 4 shows every button
// disabled) along `captionBand`; a maximised window places the picture buttons by their "...Maximized" offsets.
void PaintStandardFrameButtons(QPainter& painter, RenderContext& context, const QRect& window,
                               const QRect& captionBand, bool active, int hoverState, const ButtonTint& tint = {},
                               bool maximised = false);

}  // namespace tessera::render
