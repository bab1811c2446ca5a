#include "core/editor/preview_composition.h"

#include "core/platform/paths.h"

namespace tessera {

int CompositionGroup(int group, const std::string& topLevelSection) {
  if (group != 40) return group;
  const std::string name = paths::lower(topLevelSection);
  if (name == "startmenu.texture") return 18;
  if (name == "taskbar.texture") return 16;
  if (name == "frames.texture") return 34;
  return group;
}

namespace {

// Window-state groups: 1 active, 2 inactive, 3 maximised (as their state lists name them).
PreviewCall WindowStateCall(PreviewStep step, int state, int buttonState) {
  PreviewCall call{step, 0, buttonState};
  call.frontInactive = state == 2;
  call.frontMaximised = state == 3;
  return call;
}

// The frame-button group's states are button looks, then "Disabled" (4) and "Inactive" (5),
// which is the front window inactive with its buttons normal.
PreviewCall ButtonStateCall(int state) {
  PreviewCall call{PreviewStep::WindowFramesButtons, 0, state};
  if (state == 5) {
    call.frontInactive = true;
    call.state = 1;
  }
  return call;
}

}  // namespace

bool PreviewStatesAreWindowStates(int group, const std::string& topLevelSection) {
  const int drawn = CompositionGroup(group, topLevelSection);
  return drawn == 34 || drawn == 35 || drawn == 36;
}

std::vector<PreviewCall> PreviewCallsFor(int group, const std::string& topLevelSection, int state,
                                         int buttonState) {
  using S = PreviewStep;
  const auto kinds = [state](std::initializer_list<int> list) {
    std::vector<PreviewCall> calls;
    for (int kind : list) calls.push_back({S::Kind, kind, state});
    return calls;
  };
  switch (CompositionGroup(group, topLevelSection)) {
    case 1: return kinds({1});
    case 2: return kinds({2, 4, 3});
    case 4: {
      std::vector<PreviewCall> calls;
      for (int s = 1; s <= 7; ++s) calls.push_back({S::Kind, 5, s});
      calls.push_back({S::Kind, 5, 8});
      return calls;
    }
    case 5: return {{S::Kind, 6, 1}};
    case 6: return {{S::Kind, 20, 1}, {S::Kind, 7, 1}, {S::Kind, 8, 1}, {S::Kind, 9, 1}, {S::Kind, 10, 1}};
    case 7: return kinds({11, 12});
    case 8: return kinds({8, 7, 13});
    case 9: case 10: case 12: return kinds({14, 15, 17});
    case 11: return kinds({20, 9});
    case 13: return kinds({18, 19});
    case 14: return {{S::Kind, 34, state - 1}};
    case 16: case 17: case 18: case 19: return kinds({22, 24, 25, 26});
    case 20: return kinds({27});
    case 21: case 22: return kinds({35, 36});
    case 24: return kinds({29});
    case 25: return {{S::Kind, 30, state - 1}};
    case 26: return kinds({31});
    case 27: return kinds({32, 33});
    case 28: return kinds({37});
    case 29: return kinds({39, 38});
    case 30: return kinds({40, 41});
    case 31: return {{S::ToolbarIcons, 0, state}};
    // The sample window shows the explorer background of the state (active, inactive) itself.
    case 33: return {{S::Kind, 20, state}, {S::Kind, 13, state}};
    case 34: return {WindowStateCall(S::WindowFrames, state, buttonState)};
    case 35: case 36: return {WindowStateCall(S::WindowFramesButtons, state, buttonState)};
    case 37: return {ButtonStateCall(state)};
    default: return {};
  }
}

}  // namespace tessera
