#pragma once
// "Make VLA package" from the main window.
#include <QWidget>

namespace tessera::ui {

// Saves or discards unsaved edits first (asking; Cancel packs nothing), then writes the open
// skin's package on a worker thread while a window-modal progress dialog follows it, opens the
// output folder and says how it went. The progress dialog's Cancel stops the packing and leaves
// no package written (an older one stays).
void MakePackageWithProgress(QWidget* parent);

}  // namespace tessera::ui
