#include "core/pages/title_bar_button_actions.h"

namespace tessera {

namespace {

// clang-format off
constexpr ButtonActionEntry kActions[] = {
    {-6, "Show an image",                               "Image only",       false},
    {-5, "Non clickable dll button",                    "Dll button",       false},
    {-4, "Dll button using image",                      "Custom click",     false},
    {-3, "Dll button",                                  "Dll button",       false},
    {-2, "Show an image (intercepts messages)",         "Image only",       false},
    {-1, "Show an image (No message intercepting)",     "Do nothing",       false},
    {0,  "Close window",                                "Close",            false},
    {1,  "Maximize / Restore window",                   "Maximize",         false},
    {2,  "Minimize window",                             "Minimize",         false},
    {3,  "Help Button",                                 "Help",             false},
    {4,  "Rollup window",                               "Rollup",           false},
    {5,  "Command Button",                              "Command",          false},
    {6,  "Set always on top",                           "Always on top",    false},
    {7,  "Set always on bottom",                        "Always on bottom", false},
    {10, "Start screensaver",                           "Do nothing",       false},
    {11, "System Icon",                                 "System Icon",      false},
    {12, "Show System Menu",                            "System Menu",      false},
    {21, "Send to the bottom",                          "Send to bottom",   false},
    {22, "Maximize / Restore window (with mouseover)",  "Maximize",         false},
    {23, "Minimize window (with mouseover)",            "Minimize",         false},
    {24, "Minimize to system tray",                     "Min to systray",   false},
    {25, "Make window transparent",                     "Make transparent", false},
    {40, "Link to toggle",                              "Do nothing",       true},
    {41, "Exclusive Link to toggle",                    "Do nothing",       true},
};

constexpr const char* kAnchors[] = {
    "Top left of the window",
    "Top right of the window",
    "Bottom left of the window",
    "Bottom right of the window",
    "Middle of the top edge (no click)",
    "Middle of the bottom edge (no click)",
    "Middle of the left edge (no click)",
    "Middle of the right edge (no click)",
    "Left of the caption text",
    "Right of the caption text",
};
// clang-format on

constexpr const char* kFrameButtonActions[] = {"Rollup", "Command", "Context Help", "Always on top"};

}  // namespace

std::span<const ButtonActionEntry> ButtonActionTable() { return kActions; }

std::vector<ButtonActionEntry> OfferedButtonActions(ButtonLayout layout) {
  std::vector<ButtonActionEntry> entries;
  for (const ButtonActionEntry& entry : kActions) {
    if (!entry.personalityOnly || layout == ButtonLayout::Personality) entries.push_back(entry);
  }
  return entries;
}

const char* ButtonActionShortLabel(int code) {
  for (const ButtonActionEntry& entry : kActions)
    if (entry.code == code) return entry.shortLabel;
  if (code >= 13 && code <= 20) return "Size";
  return "Do nothing";
}

std::span<const char* const> ButtonAnchorTexts() { return kAnchors; }

std::span<const char* const> FrameButtonActionTexts() { return kFrameButtonActions; }

std::string FadeInLabel(int milliseconds) {
  if (milliseconds <= 0) return "No fade in";
  return std::to_string(milliseconds) + " ms";
}

}  // namespace tessera
