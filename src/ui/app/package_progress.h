#pragma once
// "Make VLA package" from the main window.
#include <QWidget>

namespace tessera::ui {

// Saves or discards unsaved edits first (asking; Cancel packs nothing), then writes the open
// skin's package on a worker thread while a window-modal progress bar follows it, opens the
// output folder and says how it went.
void MakePackageWithProgress(QWidget* parent);

}  // namespace tessera::ui
