#pragma once
// Window frames of a skin. Three ways a skin describes them: four border pictures in
// "Personality" ("Top", "Left", "Right", "Bottom"), one horizontal and one vertical frame picture
// in "Borders" ("HorzFrame", "VertFrame"), or a frame texture ("Frames.Texture") for skins
// without classic frames. A skin with none of them gets a frame in its system colours.
#include <QPainter>
#include <QRect>
#include <QString>

#include "standin/render/section_painter.h"

namespace tessera::render {

struct WindowLook {
  bool active = true;
  QString title;
  int buttonState = 1;  // 1 normal, 2 mouse over, 3 pressed, 4 disabled: shown by the title-bar buttons
  bool maximised = false;
  bool hasIcon = true;
  int hotButton = -1;   // the title-bar button that shows buttonState; -1: every button
  int clockMs = 0;      // animated title-bar buttons and glows play by this time
  int hoverMs = -1;     // time the mouse has been over the hot button; -1: glows fully shown
};

// Border thicknesses of the skin's frame.
QMargins FrameThickness(RenderContext& context);

// Draws the frame, caption text and title-bar buttons; returns the client rectangle.
QRect PaintWindowFrame(QPainter& painter, RenderContext& context, const QRect& window, const WindowLook& look);

// The skin's own title-bar button drawn at `point` of that window, or -1.
int TitleBarButtonAtPoint(RenderContext& context, const QRect& window, const WindowLook& look, QPoint point);

// A client area: menu bar, window background and a few skinned controls.
void PaintClientArea(QPainter& painter, RenderContext& context, const QRect& client, bool active);

}  // namespace tessera::render
