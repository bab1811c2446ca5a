#pragma once
// Drawing the skin's own title-bar buttons on a window frame: each visible button's frame for
// its state (and animation step), placed by its anchor, with its mouse-over glow.
#include <QPainter>
#include <QRect>
#include <vector>

#include "standin/render/button_tint.h"
#include "standin/render/section_painter.h"
#include "standin/render/standard_frame_buttons.h"
#include "standin/render/titlebar_button_model.h"

namespace tessera::render {

inline constexpr int kEveryButton = -1;

struct TitleBarLook {
  WindowFacts facts;
  int state = 1;                 // 1 normal, 2 mouse over, 3 pressed
  int hotButton = kEveryButton;  // the button that shows `state`; kEveryButton: all of them
  int clockMs = 0;               // animated strips and glows play by this time
  int hoverMs = -1;              // time over the hot button (glow fade-in); -1: fully faded in
  ButtonTint tint;
};

struct PlacedButton {
  int index = 0;
  QRect rect;                    // where the button is drawn
  const QImage* picture = nullptr;
  QRect source;                  // its frame in the picture
  bool isClose = false;
  const QImage* glow = nullptr;  // set while the glow shows
  QRect glowSource;
  QPoint glowAt;
  double glowOpacity = 1.0;
};

// The visible buttons with a picture, in drawing order (later ones over earlier ones).
std::vector<PlacedButton> PlaceTitleBarButtons(RenderContext& context, const QRect& window, const QRect& caption,
                                               const TitleBarLook& look);

// The frame of a strip of `frames` frames a button in `state` shows (see docs/skin-format.md).
int TitleBarButtonFrame(const TitleBarButton& button, int frames, int state, bool active, int clockMs);

void PaintTitleBarButtons(QPainter& painter, RenderContext& context, const QRect& window, const QRect& caption,
                          const TitleBarLook& look);

// The topmost button drawn at `point`, or -1.
int TitleBarButtonAt(RenderContext& context, const QRect& window, const QRect& caption, const TitleBarLook& look,
                     QPoint point);

}  // namespace tessera::render
