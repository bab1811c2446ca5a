#pragma once
// The zoom window's rules, without widgets: which part of the screen it shows around the point
// of interest, that part enlarged without smoothing, the read-out of the pixel at the point and
// when a timer tick has anything new to show.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QPainter;

namespace tessera {

// The enlargement stored as `ZoomV` (0, 1, 2) and back; any other stored value means 2 times.
int ZoomFactorFor(int zoomV);
int ZoomVFor(int factor);

// The screen rectangle a view of `view` pixels shows at `factor` times around `point`: the view's
// size divided by the factor (rounded up, so the view is always covered), centred on the point.
QRect ZoomSourceRect(QPoint point, QSize view, int factor);

// A picture of part of the screen: its top-left pixel is the screen pixel `origin`.
struct ScreenPicture {
  QImage image;
  QPoint origin;
};

// Paints into `target` (a rectangle of the painter's device) the screen around `point` enlarged
// `factor` times, each screen pixel a factor x factor square; screen pixels the picture does not
// hold (beyond the screen's edge) are black.
void PaintMagnified(QPainter& painter, const QRect& target, const ScreenPicture& picture, QPoint point, int factor);
// The same into a new picture of `view` pixels.
QImage Magnified(const ScreenPicture& picture, QPoint point, QSize view, int factor);

// The colour of the screen pixel at `point`, when the picture holds it.
std::optional<QRgb> PixelAt(const ScreenPicture& picture, QPoint point);

// "255, 128, 0": red, green and blue in decimal.
QString DecimalColourText(QRgb colour);
// "#FF8000".
QString HexColourText(QRgb colour);
// What the lock box says.
QString LockText(bool locked);

// The read-out boxes, in view coordinates, for a view `viewWidth` pixels wide: the colour in
// decimal, the lock hint, and the colour in hex below them.
struct ZoomBoxes {
  QRect decimal;
  QRect lock;
  QRect hex;
};
ZoomBoxes ZoomBoxesFor(int viewWidth);

// What the last repaint showed; a tick repaints only when something here changed, so a window
// over a resting mouse costs one cursor query per tick and nothing else.
struct ZoomPaintState {
  QPoint mouse;
  QPoint point;  // the mouse, or the locked point
  bool locked = false;
  int factor = 2;
  QSize view;
  friend bool operator==(const ZoomPaintState&, const ZoomPaintState&) = default;
};

enum class ZoomTimer { Fast, Slow };

// Whether a tick of `timer` repaints: the fast timer while the mouse is not over the zoom window,
// the slow one while it is over neither the window nor its view, and either only when `now`
// differs from what was last painted.
bool ZoomTickRepaints(ZoomTimer timer, const std::optional<ZoomPaintState>& last, const ZoomPaintState& now,
                      bool mouseOverWindow, bool mouseOverView);

}  // namespace tessera
