#pragma once
// The "Position" page of the per-pixel frame buttons (the system icon and the three extra
// buttons of the window frame, and any section the catalogue gives Position=1): where the
// button sits, normally and when the window is maximised, and for the three extra buttons
// what a click does.
#include <string>
#include <string_view>

namespace tessera {

struct FrameButtonPositionValues {
  int align = 1;       // 0 = from the left side, 1 = from the right side
  int left = 0;        // LeftCoord
  int top = 0;         // TopCoord
  int leftMaximized = 0;  // LeftCoordMaximized, default LeftCoord
  int topMaximized = 0;   // TopCoordMaximized, default TopCoord
  bool hasAction = false;  // Action and Command belong to the section
  int action = 0;          // index of FrameButtonActionTexts()
  std::string command;     // at most 49 characters
};

// Sections whose page shows the action list and the command edit.
bool FrameButtonHasAction(std::string_view section);
// Align when the key is missing: 0 for the system icon, 1 for every other section.
int FrameButtonDefaultAlign(std::string_view section);

FrameButtonPositionValues ReadFrameButtonPosition(std::string_view section);

// Writes LeftCoord (TopCoord) and returns LeftCoordMaximized (TopCoordMaximized) read again with
// the new value as its default: a skin without a maximised position follows the normal one.
int WriteFrameButtonLeft(std::string_view section, int left);
int WriteFrameButtonTop(std::string_view section, int top);
// LeftCoordMaximized, TopCoordMaximized, Align and Action, in decimal.
void WriteFrameButtonInt(std::string_view section, std::string_view key, int value);
void WriteFrameButtonCommand(std::string_view section, std::string_view command);

}  // namespace tessera
