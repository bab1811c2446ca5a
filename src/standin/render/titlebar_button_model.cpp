#include "standin/render/titlebar_button_model.h"

#include <algorithm>

#include "core/platform/paths.h"
#include "standin/render/section_style.h"

namespace tessera::render {

namespace {

constexpr int kMaxButtons = 99;
constexpr int kMaxTimer = 2000;
constexpr const char* kVisibilityKeys[] = {"Visibility",  "Visibility1", "Visibility2", "Visibility3", "Visibility4",
                                           "Visibility5", "Visibility6", "Visibility7", "Visibility8", "Visibility9"};

// Glows are drawn over the button by their alpha; a BMP has none, so magenta is its clear colour.
Transparency GlowTransparency(const std::string& path) {
  return paths::equalsIgnoreCase(paths::extension(path), "bmp") ? Transparency::MagentaKey : Transparency::PerPixel;
}

}  // namespace

bool UsesPersonalityButtonLayout(const SkinModel& skin) {
  return skin.integer("Personality", "ButtonCount", -1) != -1;
}

int TitleBarButtonCount(const SkinModel& skin) {
  const int count = UsesPersonalityButtonLayout(skin) ? skin.integer("Personality", "ButtonCount", 0)
                                                      : skin.integer("Caption", "ButtonCount", 0);
  return std::clamp(count, 0, kMaxButtons);
}

std::vector<TitleBarButton> ReadTitleBarButtons(const SkinModel& skin) {
  const bool personality = UsesPersonalityButtonLayout(skin);
  const int stateFrames = personality && skin.integer("Personality", "TripleImages", 0) != 0 ? 6 : 3;
  const int count = TitleBarButtonCount(skin);
  std::vector<TitleBarButton> buttons;
  buttons.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const std::string section = "Button" + std::to_string(i);
    TitleBarButton b;
    b.index = i;
    b.picturePath = skin.resolveSlot(skin.text(section, "ButtonImage"));
    b.transparency = TransparencyOf(skin.integer(section, "UseTrans", 0) != 0,
                                    skin.integer(section, "PerPixel", 0) != 0, false);
    b.stateFrames = stateFrames;
    b.frameCount = skin.integer(section, "FrameCount", stateFrames);
    b.animationRate = std::clamp(skin.integer(section, "AnimTimerRate", 0), 0, kMaxTimer);
    b.action = skin.integer(section, "Action", 0);
    const int align = skin.integer(section, "Align", 0);
    b.anchor = personality ? (align >= 0 && align <= 9 ? align : 0) : (align == 1 ? 1 : 0);
    b.x = std::clamp(skin.integer(section, "XCoord", 0), -2000, 2000);
    b.y = std::clamp(skin.integer(section, "YCoord", 0), -2000, 2000);
    // Zero or less means the picture's own size.
    b.width = std::clamp(skin.integer(section, "Width", 0), 0, 1000);
    b.height = std::clamp(skin.integer(section, "Height", 0), 0, 1000);
    const int keys = personality ? 10 : 6;
    for (int k = 0; k < keys; ++k) b.visibility.push_back(skin.integer(section, kVisibilityKeys[k], 0));
    const std::string glow = skin.text(section, "OverlayImage");
    // The glow list's first entries (" No button glow overlay", " None") name no picture.
    if (!glow.empty() && glow.front() != ' ') b.glowPath = skin.resolveSlot(glow);
    b.glowTransparency = GlowTransparency(b.glowPath);
    b.glowOffset = QPoint(std::clamp(skin.integer(section, "OverlayImageXOffset", 0), -1000, 1000),
                          std::clamp(skin.integer(section, "OverlayImageYOffset", 0), -1000, 1000));
    b.glowFrames = skin.integer(section, "OverlayFrameCount", 1);
    b.glowFadeMs = std::clamp(skin.integer(section, "OverlayFadeInTime", 0), 0, kMaxTimer);
    b.glowTimerMs = std::clamp(skin.integer(section, "OverlayTimer", 0), 0, kMaxTimer);
    buttons.push_back(std::move(b));
  }
  return buttons;
}

bool ConditionHolds(int condition, const WindowFacts& facts) {
  using namespace visibility;
  switch (condition) {
    case kActive: return facts.active;
    case kInactive: return !facts.active;
    case kMaximised: return facts.maximised;
    case kNotMaximised: return !facts.maximised;
    case kMouseOverCaption: return facts.mouseOverCaption;
    case kHasIcon: return facts.hasIcon;
    case kHasNoIcon: return !facts.hasIcon;
    // An ordinary sample window can be resized, has no help button, is no tool window, MDI child or dialog, is
    // neither rolled up nor on top, and is opaque.
    case kCannotResize: case kHasHelpButton: case kToolWindow: case kRolledUp: case kAlwaysOnTop: case kMdiChild: case kDialog:
    case kTransparent:
      return false;
    default: return true;
  }
}

bool ButtonShows(const TitleBarButton& button, const WindowFacts& facts) {
  return std::all_of(button.visibility.begin(), button.visibility.end(),
                     [&facts](int condition) { return ConditionHolds(condition, facts); });
}

QPoint AnchoredPosition(int anchor, const QRect& window, const QRect& caption, QSize size, int x, int y) {
  const int right = window.right() + 1 - x - size.width();
  const int bottom = window.bottom() + 1 - y - size.height();
  const int middleX = window.left() + (window.width() - size.width()) / 2 + x;
  const int middleY = window.top() + (window.height() - size.height()) / 2 + y;
  switch (anchor) {
    case 1: return {right, window.top() + y};
    case 2: return {window.left() + x, bottom};
    case 3: return {right, bottom};
    case 4: return {middleX, window.top() + y};
    case 5: return {middleX, bottom};
    case 6: return {window.left() + x, middleY};
    case 7: return {right, middleY};
    case 8: return {caption.left() - x - size.width(), window.top() + y};
    case 9: return {caption.right() + 1 + x, window.top() + y};
    default: return {window.left() + x, window.top() + y};
  }
}

}  // namespace tessera::render
