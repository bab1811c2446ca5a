#include "ui/skin/display_scale.h"

#include <cmath>

namespace tessera::ui {

double DisplayScale(const QWidget* widget) {
  const int dpi = widget ? widget->logicalDpiX() : 96;
  return dpi > 0 ? dpi / 96.0 : 1.0;
}

int ScaledPixels(const QWidget* widget, int pixels) {
  return static_cast<int>(std::lround(pixels * DisplayScale(widget)));
}

}  // namespace tessera::ui
