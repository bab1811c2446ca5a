#pragma once
// The platform font chooser as the text and caption pages open it, behind a replaceable function
// so that the pages can be driven without a modal dialog. Colours are chosen through the one
// colour chooser of ui/colours/colour_choosers.h.
#include <QFont>
#include <functional>
#include <optional>

#include "core/pages/caption_keys.h"

class QWidget;

namespace tessera::ui {

// Returns the chosen font, or nullopt when the user cancels.
using FontChooser = std::function<std::optional<QFont>(const QFont& initial, QWidget* parent)>;

// The chooser in use; QFontDialog unless replaced.
FontChooser& TextFontChooser();

// A stored font as the chooser shows it, and the chooser's font as it is stored.
QFont FontFromStored(const StoredFont& stored);
StoredFont StoredFromFont(const QFont& font);

}  // namespace tessera::ui
