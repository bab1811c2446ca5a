#pragma once
// The engine's own glass frame buttons, for glass skins that bring no button pictures.
#include <QPainter>
#include <QRect>

#include "standin/render/button_tint.h"
#include "standin/render/section_painter.h"

namespace tessera::render {

// A glass frame whose skin has none of the standard frame button pictures: the engine's own
// glass buttons (minimise, maximise, close) along the right of `captionBand`, drawn red and
// turned by the tint's hues, so "ButtonHue" and "CloseButtonHue" name the buttons' colour on the
// colour wheel. Returns false (drawing nothing) when the skin has standard button pictures.
bool PaintGlassFrameButtons(QPainter& painter, RenderContext& context, const QRect& captionBand, bool active,
                            int hoverState, const ButtonTint& tint);

}  // namespace tessera::render
