#pragma once
// Painting one frame of a picture into a rectangle of any size by the painting keys: the simple
// modes, or nine parts cut by four margins (corners as they are, edges tiled or stretched along
// their length, the middle stretched, tiled, centred or left out).
#include <QImage>
#include <QPainter>
#include <QRect>

#include "standin/render/section_style.h"

namespace tessera::render {

// `source` is the frame's rectangle inside `picture`.
void PaintNineSlice(QPainter& painter, const QImage& picture, const QRect& source, const QRect& target,
                    const PaintingKeys& keys);

// The four margins as they land on a target of `target` size: clamped to the picture and, when
// the target is smaller than the margins, shrunk (proportionally with smart margins, else cut).
QMargins TargetMargins(QSize source, QSize target, const PaintingKeys& keys);

// Fills `target` with copies of `source`, tiling along the axes asked for and stretching along
// the others.
void TileImage(QPainter& painter, const QImage& picture, const QRect& source, const QRect& target, bool tileX,
               bool tileY);

}  // namespace tessera::render
