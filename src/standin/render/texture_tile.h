#pragma once
// Skin-wide textures (frames, taskbar, start menu): the picture tiles over the element, mirrored
// along each axis on every second tile unless "NoFlip" of "DWM" is 1, so the edges of the tiles
// meet seamlessly.
#include <QImage>
#include <QPainter>
#include <QRect>

#include "standin/render/section_painter.h"

namespace tessera::render {

// The tile the texture of `section` ("Image") repeats as; null when it has no picture.
QImage TextureTile(RenderContext& context, const char* section);

// Tiles the texture of `section` over `rect`; false when it has no picture.
bool PaintTexture(QPainter& painter, RenderContext& context, const char* section, const QRect& rect);

}  // namespace tessera::render
