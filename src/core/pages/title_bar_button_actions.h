#pragma once
// What a title-bar button does when clicked, where it is anchored, and the texts its sliders
// show. The editor only stores the numbers; their meaning belongs to the engine.
#include <span>
#include <string>
#include <vector>

#include "core/pages/title_bar_button_model.h"

namespace tessera {

struct ButtonActionEntry {
  int code;
  const char* listText;    // the entry of the "Action :" lists
  const char* shortLabel;  // drawn at the right of a button row
  bool personalityOnly;    // offered only in the Personality layout
};

// Every action the lists offer, in list order.
std::span<const ButtonActionEntry> ButtonActionTable();
// The entries a layout's lists offer (the link actions only in the Personality layout).
std::vector<ButtonActionEntry> OfferedButtonActions(ButtonLayout layout);
// The short label of a stored code: codes 13 to 20 are "Size", codes not in the table "Do nothing".
const char* ButtonActionShortLabel(int code);

// The anchors of key Align in the Personality layout; the list index is the stored code.
std::span<const char* const> ButtonAnchorTexts();

// The per-pixel frame buttons' actions; the list index is the stored code.
std::span<const char* const> FrameButtonActionTexts();

// The fade-in slider's value label: "250 ms", or "No fade in" for 0. The animation sliders use
// AnimationRateLabel of animation_keys.h.
std::string FadeInLabel(int milliseconds);

}  // namespace tessera
