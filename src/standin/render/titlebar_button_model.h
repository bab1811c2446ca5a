#pragma once
// The keys of the skin's own title-bar buttons ("Button0".."ButtonN-1") as the drawing uses
// them, the visibility conditions a sample window can answer, and where an anchor places a
// button. Reading is kept apart from painting so the hit test and the painter agree.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <string>
#include <vector>

#include "standin/render/picture_loader.h"
#include "standin/render/skin_model.h"

namespace tessera::render {

// The number of title-bar buttons: "ButtonCount" of "Personality" when present (the
// Personality layout), else of "Caption". Bounded to what the editor handles (0..99).
int TitleBarButtonCount(const SkinModel& skin);
bool UsesPersonalityButtonLayout(const SkinModel& skin);

struct TitleBarButton {
  int index = 0;
  std::string picturePath;  // resolved full path; empty when unset or unsafe
  Transparency transparency = Transparency::Opaque;
  int frameCount = 3;       // as stored, cut to the picture when drawn
  int stateFrames = 3;      // frames of one set of states: 6 with inactive frames ("TripleImages")
  int animationRate = 0;    // "AnimTimerRate": ms per animation step, 0 none
  int action = 0;
  int anchor = 0;           // 0..9 (the caption layout uses 0 left and 1 right only)
  int x = 0;
  int y = 0;
  int width = 0;            // 0: the frame's own size
  int height = 0;
  std::vector<int> visibility;  // condition numbers; every one must hold
  std::string glowPath;
  Transparency glowTransparency = Transparency::PerPixel;
  QPoint glowOffset;
  int glowFrames = 1;
  int glowFadeMs = 0;       // "OverlayFadeInTime"
  int glowTimerMs = 0;      // "OverlayTimer": ms per glow frame, 0 none
};

std::vector<TitleBarButton> ReadTitleBarButtons(const SkinModel& skin);

// What a sample window tells the visibility conditions.
struct WindowFacts {
  bool active = true;
  bool maximised = false;
  bool hasIcon = true;
  bool mouseOverCaption = false;
};

// Condition numbers of the visibility catalogue the sample windows answer; every other number
// (resizable, tool window, rolled up, ...) counts as met, as a sample window is an ordinary one.
namespace visibility {
inline constexpr int kAlways = 0;
inline constexpr int kActive = 1;
inline constexpr int kInactive = 2;
inline constexpr int kMaximised = 3;
inline constexpr int kNotMaximised = 4;
inline constexpr int kCannotResize = 6;
inline constexpr int kHasHelpButton = 9;
inline constexpr int kToolWindow = 11;
inline constexpr int kRolledUp = 13;
inline constexpr int kAlwaysOnTop = 15;
inline constexpr int kMdiChild = 18;
inline constexpr int kDialog = 20;
inline constexpr int kTransparent = 23;
inline constexpr int kMouseOverCaption = 24;
inline constexpr int kHasIcon = 25;
inline constexpr int kHasNoIcon = 26;
}  // namespace visibility

bool ConditionHolds(int condition, const WindowFacts& facts);
bool ButtonShows(const TitleBarButton& button, const WindowFacts& facts);

// The top-left corner of a `size` button anchored by `anchor` at offsets (x, y) on `window`,
// whose caption text area is `caption`.
QPoint AnchoredPosition(int anchor, const QRect& window, const QRect& caption, QSize size, int x, int y);

}  // namespace tessera::render
