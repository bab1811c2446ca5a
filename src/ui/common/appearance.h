#pragma once
// The editor's own colours: those of the desktop, or a light or dark palette of its own. Drawing
// that the program does itself takes its colours from the palette, except the colours that stand
// for something fixed (margin swatches, checkerboards, note boxes), which stay as they are.
#include <QPalette>

namespace tessera::ui {

enum class Appearance { Desktop = 0, Light = 1, Dark = 2 };

// The stored choice (setting "Appearance"); out-of-range values follow the desktop.
Appearance StoredAppearance();

// Applies `appearance` to the running application at once: Light and Dark switch to the Fusion
// style with a palette of their own; Desktop goes back to the style and palette it started with.
void ApplyAppearance(Appearance appearance);

// The palette of a window that stands on the interface grey `grey` (setting "Brightness"): the
// grey (v, v, v) with black text on a light desktop; on a dark palette the grey dims the palette's
// own window colour instead and the text keeps the palette's light colours, so it stays readable.
// `withControls` extends the grey to edit boxes, lists and buttons.
QPalette InterfacePalette(const QPalette& application, int grey, bool withControls);

// The dark palette. Tooltips keep a pale background and dark text: note boxes draw the tooltip
// text colour on their fixed pale yellow.
QPalette DarkPalette();

}  // namespace tessera::ui
