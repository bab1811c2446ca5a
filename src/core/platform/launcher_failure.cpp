#include "core/platform/launcher_failure.h"

#include "core/platform/files.h"
#include "core/platform/prompt.h"
#include "core/platform/shell.h"

namespace tessera {

namespace {

constexpr std::string_view kCaption = "Quillmont Tessera";
constexpr std::string_view kLauncher = "Install the \"xdg-utils\" package, which provides xdg-open";

bool isAddress(std::string_view target) {
  return target.find("://") != std::string_view::npos || target.substr(0, 7) == "mailto:";
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::string NothingOpenedMessage(std::string_view target) {
  if (isAddress(target)) {
    return "Could not open " + quoted(target) + ": no web browser was found. " + std::string(kLauncher) +
           ", and a web browser.";
  }
  if (files::isFolder(target)) {
    return "Could not open the folder " + quoted(target) + ": no file manager was found. " + std::string(kLauncher) +
           ", and a desktop environment's file manager (for example \"nautilus\", \"thunar\" or \"pcmanfm\").";
  }
  return "Could not open " + quoted(target) + ": no program to open it was found. " + std::string(kLauncher) +
         ", and a program for this kind of file (for pictures, an image editor such as \"gimp\"), or choose a "
         "custom program with \"Pick custom app...\" in the preferences.";
}

std::string ProgramNotStartedMessage(std::string_view program) {
  return "Could not start " + quoted(program) +
         ". Check that it exists and may be run, or choose another program with \"Pick custom app...\" in the "
         "preferences.";
}

bool OpenOrExplain(std::string_view target) {
  if (CurrentShell().open(target)) return true;
  CurrentPrompt().inform(NothingOpenedMessage(target), kCaption);
  return false;
}

bool EditOrExplain(std::string_view file, std::string_view program) {
  if (CurrentShell().edit(file, program)) return true;
  CurrentPrompt().inform(program.empty() ? NothingOpenedMessage(file) : ProgramNotStartedMessage(program), kCaption);
  return false;
}

}  // namespace tessera
