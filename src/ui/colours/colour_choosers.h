#pragma once
// Colour conversions between the skin's colour values and Qt, and the platform colour chooser
// as a replaceable call, so the dialogs can be driven without a modal chooser.
#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/platform/system_colours.h"

namespace tessera::ui {

inline QColor ColourToQt(ColorRef colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }
inline ColorRef ColourFromQt(const QColor& colour) { return MakeColorRef(colour.red(), colour.green(), colour.blue()); }

// Asks the user for a colour, starting at `initial`; nullopt when cancelled.
using ColourChooser = std::function<std::optional<ColorRef>(QWidget* parent, ColorRef initial)>;

// The platform chooser, fully expanded.
std::optional<ColorRef> ChooseColourWithDialog(QWidget* parent, ColorRef initial);

// The chooser the colour and font dialogs use; tests replace it.
ColourChooser& CurrentColourChooser();

}  // namespace tessera::ui
