#pragma once
// The taskbar and the start menu of a skin, with their textures.
#include <QPainter>
#include <QRect>
#include <initializer_list>

#include "standin/render/section_painter.h"

namespace tessera::render {

// Where the taskbar sits and which preview state each of its parts shows.
struct TaskBarLook {
  int edge = 1;         // 1 bottom, 2 right, 3 top, 4 left
  int buttonState = 1;  // "Taskbar.Button": 1 normal, 2 mouse over, 3 pressed, 4 flashing
  int startState = 1;   // "StartButton": 1 normal, 2 mouse over, 3 pressed
  int trayState = 1;
};

// The taskbar along an edge of `area`; returns the band it occupies.
QRect PaintTaskBar(QPainter& painter, RenderContext& context, const QRect& area, const TaskBarLook& look);

// The start menu in `area`: user pane, programs and places, log-off pane. `itemState` is the
// preview state of the highlighted program item.
void PaintStartMenu(QPainter& painter, RenderContext& context, const QRect& area, int itemState);

// Draws the first of `sections` that has a picture; false when none has.
bool PaintFirstSection(QPainter& painter, RenderContext& context, std::initializer_list<const char*> sections,
                       const QRect& rect, int state);

}  // namespace tessera::render
