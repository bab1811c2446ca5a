#pragma once
// The platform colour and font choosers as the text and caption pages open them. They sit
// behind replaceable functions so that the pages can be driven without a modal dialog.
#include <QColor>
#include <QFont>
#include <functional>
#include <optional>

#include "core/pages/caption_keys.h"

class QWidget;

namespace tessera::ui {

// Returns the chosen colour, or nullopt when the user cancels.
using ColourChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;
using FontChooser = std::function<std::optional<QFont>(const QFont& initial, QWidget* parent)>;

// The choosers in use; QColorDialog and QFontDialog unless replaced.
ColourChooser& TextColourChooser();
FontChooser& TextFontChooser();

// A stored font as the chooser shows it, and the chooser's font as it is stored.
QFont FontFromStored(const StoredFont& stored);
StoredFont StoredFromFont(const QFont& font);

}  // namespace tessera::ui
