#pragma once
// Cutting one frame out of a frame strip: N equal frames side by side (or stacked when
// vertical), frame 0 leftmost or topmost, frame size = picture size / N.
#include <QRect>
#include <QSize>

namespace tessera::render {

// A frame count that can be cut from `picture`: at least 1 and never more frames than pixels
// along the strip.
int UsableFrameCount(QSize picture, int frameCount, bool vertical);

// The frame shown for a preview state (1 = first frame). States the strip has no frame for show
// the first frame.
int FrameForState(int state, int frameCount);

// The rectangle of frame `index` in the picture (index clamped to the strip).
QRect FrameRect(QSize picture, int frameCount, bool vertical, int index);

}  // namespace tessera::render
