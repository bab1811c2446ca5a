#pragma once
// Which drawing calls make up the section editor's large preview, chosen by the catalogue group
// of the selected section.
#include <string>
#include <vector>

namespace tessera {

enum class PreviewStep {
  Kind,                  // one DrawPreview call
  WindowFrames,          // two sample window frames, the second (front) over the first
  WindowFramesButtons,   // the same with whole windows, whose title-bar buttons show `state`
  ToolbarIcons,          // the toolbar strips, drawn by the editor itself
};

struct PreviewCall {
  PreviewStep step = PreviewStep::Kind;
  int kind = 0;
  int state = 1;  // window frames: the front window's button look (1 normal .. 4 disabled)
  // Window frames: how the front window is drawn; the window behind it is always inactive.
  bool frontInactive = false;
  bool frontMaximised = false;
};

// Group 40 (textures) draws as the group of the texture it stands for.
int CompositionGroup(int group, const std::string& topLevelSection);

// The calls for a group in a preview state (the state list index + 1); empty for groups that show
// only the background. `buttonState` is the look the mouse gives the title-bar buttons (2 over,
// 3 pressed) in groups whose states are window states rather than button looks.
std::vector<PreviewCall> PreviewCallsFor(int group, const std::string& topLevelSection, int state,
                                         int buttonState = 1);

// True when the group's preview states are window states ("Active", "Inactive", "Maximized"): the
// mouse over the preview then changes the title-bar buttons, not the state.
bool PreviewStatesAreWindowStates(int group, const std::string& topLevelSection);

}  // namespace tessera
