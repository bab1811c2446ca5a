#pragma once
// The skin check: reads a skin's permanent files the way the engine does (main file, companions,
// sub-style files, pictures) and lists what is broken or suspect. It never writes a file and
// depends on no open skin, so the command line and the editor's window run the same check.
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/progress.h"

namespace tessera {

enum class CheckLevel { Error, Warning, Note };

struct CheckFinding {
  CheckLevel level = CheckLevel::Note;
  std::string file;     // relative to the skins folder, '/' between folders; empty for the skin itself
  std::string section;  // empty when the finding is about a whole file
  std::string key;
  std::string message;  // plain words

  friend bool operator==(const CheckFinding&, const CheckFinding&) = default;
};

// Checks <skinsFolder>/<skinName>. The catalogue is the data folder <skinsFolder>/Tessera7.
// Findings come in file order: the main file's first, then its companions and sub-styles, then
// the notes about pictures. `progress` counts one step per skin file checked and one for the
// unreferenced pictures; when it asks to stop, the check ends and returns the findings so far.
std::vector<CheckFinding> CheckSkin(std::string_view skinsFolder, std::string_view skinName,
                                    const ProgressCallback& progress = {});

// "error", "warning" or "note".
const char* CheckLevelName(CheckLevel level);
// One line: "file:section:key: level: message".
std::string FormatFinding(const CheckFinding& finding);
bool HasErrors(const std::vector<CheckFinding>& findings);
// The section the section editor opens for a finding: the finding's section, or the section a
// layer belongs to; empty for findings about whole files and about the sub-style description.
std::string SectionToOpen(const CheckFinding& finding);

}  // namespace tessera
