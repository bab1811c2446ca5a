#pragma once
// Which drawing calls make up the section editor's large preview, chosen by the catalogue group
// of the selected section.
#include <string>
#include <vector>

namespace tessera {

enum class PreviewStep {
  Kind,                  // one DrawPreview call
  WindowFrames,          // two sample window frames, the second over the first
  WindowFramesButtons,   // the same with the title-bar buttons in the preview state
  ToolbarIcons,          // the toolbar strips, drawn by the editor itself
};

struct PreviewCall {
  PreviewStep step = PreviewStep::Kind;
  int kind = 0;
  int state = 1;
};

// Group 40 (textures) draws as the group of the texture it stands for.
int CompositionGroup(int group, const std::string& topLevelSection);

// The calls for a group in a preview state (the state list index + 1); empty for groups that show
// only the background.
std::vector<PreviewCall> PreviewCallsFor(int group, const std::string& topLevelSection, int state);

}  // namespace tessera
