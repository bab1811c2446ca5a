#pragma once
// Pixel sizes of the skin dialogs are given at 96 dots per inch; these scale them to the display.
#include <QWidget>

namespace tessera::ui {

// Horizontal logical dots per inch of the widget's screen divided by 96.
double DisplayScale(const QWidget* widget);
// `pixels` at 96 dots per inch, scaled to the widget's display and rounded.
int ScaledPixels(const QWidget* widget, int pixels);

}  // namespace tessera::ui
