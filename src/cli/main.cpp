// tessera-cli: the editor's operations from the command line.
#include <QGuiApplication>
#include <stdlib.h>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/command_group.h"

namespace {

void printHelp() {
  std::cout << "Usage: tessera-cli GROUP COMMAND [ARGUMENTS]\n\n"
               "Exit status: 0 on success, 1 on failure (with a message on standard error), 2 on wrong usage.\n\n";
  for (const auto& group : tessera::cli::commandGroups()) std::cout << group.help << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing text (skin renders) needs a GUI application; no window is ever shown.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    printHelp();
    return tessera::cli::kUsage;
  }
  if (words.front() == "--help" || words.front() == "-h" || words.front() == "help") {
    printHelp();
    return tessera::cli::kOk;
  }
  bool knownGroup = false;
  for (const auto& group : tessera::cli::commandGroups()) {
    if (words.front() != group.name) continue;
    knownGroup = true;
    const int status = group.run(std::vector<std::string>(words.begin() + 1, words.end()));
    if (status != tessera::cli::kNotThisGroup) return status;
  }
  if (knownGroup) return tessera::cli::usage("unknown " + words.front() + " command");
  return tessera::cli::usage("unknown command group '" + words.front() + "'");
}
