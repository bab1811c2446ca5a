#pragma once
// A bare main window until the full one lands: it shows where the program found the engine and
// the skins, and commits the open skin when closed.
#include <QDialog>
#include <string>

namespace tessera::ui {

class PlaceholderMainWindow : public QDialog {
 public:
  explicit PlaceholderMainWindow(const std::string& commandLinePath, QWidget* parent = nullptr);
};

}  // namespace tessera::ui
