#pragma once
#include <QWidget>

namespace tessera::ui {
// "About Tessera": the program's name, version and what it is for.
void ShowAboutBox(QWidget* parent);
}  // namespace tessera::ui
