#include "standin/render/titlebar_buttons.h"

#include <algorithm>

#include "standin/render/frame_selection.h"

namespace tessera::render {

namespace {

constexpr int kMouseOver = 2;
constexpr int kPressed = 3;

int StateOf(const TitleBarLook& look, int index) {
  if (look.hotButton != kEveryButton && look.hotButton != index) return 1;
  return std::clamp(look.state, 1, kPressed);
}

// The glow of a button under the mouse: its frame by "OverlayTimer", faded in over
// "OverlayFadeInTime" from the moment the mouse arrived.
void PlaceGlow(RenderContext& context, const TitleBarButton& button, const TitleBarLook& look, PlacedButton& placed) {
  if (button.glowPath.empty()) return;
  const QImage& glow = context.pictures.picture(button.glowPath, button.glowTransparency);
  if (glow.isNull()) return;
  const int frames = UsableFrameCount(glow.size(), button.glowFrames, false);
  const int frame = button.glowTimerMs > 0 ? (std::max(0, look.clockMs) / button.glowTimerMs) % frames : 0;
  placed.glow = &glow;
  placed.glowSource = FrameRect(glow.size(), frames, false, frame);
  placed.glowAt = placed.rect.topLeft() + button.glowOffset;
  if (button.glowFadeMs > 0 && look.hoverMs >= 0) {
    placed.glowOpacity = std::min(1.0, static_cast<double>(look.hoverMs) / button.glowFadeMs);
  }
}

}  // namespace

int TitleBarButtonFrame(const TitleBarButton& button, int frames, int state, bool active, int clockMs) {
  const int stateIndex = std::clamp(state, 1, kPressed) - 1;
  // Six frames hold the inactive look after the active one: with "TripleImages", or in a
  // still strip of six or more frames.
  const bool inactiveFrames = frames >= 6 && (button.stateFrames == 6 || button.animationRate == 0);
  const int inState = stateIndex + (!active && inactiveFrames ? 3 : 0);
  // An animated strip repeats its set of state frames once per step.
  int step = 0;
  if (button.animationRate > 0) {
    const int steps = std::max(1, frames / button.stateFrames);
    step = (std::max(0, clockMs) / button.animationRate) % steps;
  }
  const int frame = step * button.stateFrames + inState;
  if (frame < frames) return frame;
  return inState < frames ? inState : 0;
}

std::vector<PlacedButton> PlaceTitleBarButtons(RenderContext& context, const QRect& window, const QRect& caption,
                                               const TitleBarLook& look) {
  std::vector<PlacedButton> placed;
  for (const TitleBarButton& button : ReadTitleBarButtons(context.skin)) {
    if (button.picturePath.empty() || !ButtonShows(button, look.facts)) continue;
    const QImage& picture = context.pictures.picture(button.picturePath, button.transparency);
    if (picture.isNull()) continue;
    const int frames = UsableFrameCount(picture.size(), button.frameCount, false);
    const int state = StateOf(look, button.index);
    PlacedButton p;
    p.index = button.index;
    p.picture = &picture;
    p.source = FrameRect(picture.size(), frames, false,
                         TitleBarButtonFrame(button, frames, state, look.facts.active, look.clockMs));
    if (p.source.isEmpty()) continue;
    const QSize size(button.width > 0 ? button.width : p.source.width(),
                     button.height > 0 ? button.height : p.source.height());
    p.rect = QRect(AnchoredPosition(button.anchor, window, caption, size, button.x, button.y), size);
    p.isClose = button.action == 0;
    if (state == kMouseOver || state == kPressed) PlaceGlow(context, button, look, p);
    placed.push_back(p);
  }
  return placed;
}

void PaintTitleBarButtons(QPainter& painter, RenderContext& context, const QRect& window, const QRect& caption,
                          const TitleBarLook& look) {
  for (const PlacedButton& p : PlaceTitleBarButtons(context, window, caption, look)) {
    DrawTintedButton(painter, p.rect, *p.picture, p.source, look.tint, p.isClose);
    if (!p.glow || p.glowOpacity <= 0) continue;
    painter.save();
    painter.setOpacity(painter.opacity() * p.glowOpacity);
    painter.drawImage(p.glowAt, *p.glow, p.glowSource);
    painter.restore();
  }
}

int TitleBarButtonAt(RenderContext& context, const QRect& window, const QRect& caption, const TitleBarLook& look,
                     QPoint point) {
  const std::vector<PlacedButton> placed = PlaceTitleBarButtons(context, window, caption, look);
  for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
    if (it->rect.contains(point)) return it->index;
  }
  return -1;
}

}  // namespace tessera::render
