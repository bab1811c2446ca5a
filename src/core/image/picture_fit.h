#pragma once
// Where a picture lands when a view shows it scaled to fit. Pure arithmetic, so the rules can be
// checked at any aspect ratio without a window.
#include <QRect>
#include <QSize>

namespace tessera {

// The picture view: the view less a one-pixel inset all round is the area W x H; a picture
// w x h is drawn W wide and W * h / w high, centred down, when H / h >= W / w, otherwise H high
// and H * w / h wide, centred across (integer arithmetic). Small pictures are enlarged. The
// result is in view coordinates; empty when the view has no room or the picture no pixels.
// A drawn side is never less than one pixel, so a very thin picture still shows.
QRect FitPictureInView(QSize view, QSize picture);

// The area inside the one-pixel inset of a view of `view` size (empty when there is none).
QRect PictureViewInset(QSize view);

// The import preview: the picture shrunk to fit `area` but never enlarged; a factor below 0.1
// (a huge picture in a small area) becomes 0.5, so the picture does not shrink to a speck. 0 when
// the picture has no pixels.
double ShrinkToFitScale(QSize area, QSize picture);
// The picture at that scale, centred in `area` (origin 0, 0), each side at least one pixel.
QRect ShrinkToFitRect(QSize area, QSize picture);

}  // namespace tessera
