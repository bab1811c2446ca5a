// tessera-cli: the editor's operations from the command line.
#include <QGuiApplication>
#include <stdlib.h>
#include <string>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
  // Drawing text (skin renders) needs a GUI application; no window is ever shown.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  return tessera::cli::runCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}
