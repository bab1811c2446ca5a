#pragma once
// The fixed order of sections that "Next ==>" and "<== Previous" walk (linear.ini), and what
// selecting a catalogue entry sets in the section editor.
#include <limits>
#include <string>

namespace tessera {

inline constexpr int kLinearLastPosition = 38;
// Going back from position 1 lands here: positions beyond it are reached only going forwards.
inline constexpr int kLinearLastBackPosition = 34;

// SkinButtonCount's value for a skin without the key.
inline constexpr int kButtonCountAbsent = std::numeric_limits<int>::min();

// What the skin's "ButtonCount" of "Personality" means for the walk: position 28 needs a
// ButtonCount other than 0 (absent counts as 0), position 27 needs ButtonCount -1 (absent counts
// as -1).
struct LinearFilter {
  int buttonCount = kButtonCountAbsent;
  int targetOS = 0;
};

struct LinearStep {
  int position = 0;      // the position reached; 0 when none can be reached
  std::string section;   // key "1" of that position
};

// One step from `position`, forwards or backwards, skipping the positions the filter excludes
// and positions that name no section. Gives up after one full round.
LinearStep StepLinear(int position, bool forward, const LinearFilter& filter);

// What choosing a catalogue entry selects.
struct EntrySelection {
  std::string section;   // its "Default": the skin section to edit
  int group = 0;         // its "Section"
  int linearPosition = 1;  // its "SecID"
  std::string title;     // "Description"
  std::string subtitle;  // "Description2"
};

// `secIdDefault` is 1 when the window opens and for "Previous", 0 for "Next".
EntrySelection SelectEntry(const std::string& entry, int secIdDefault = 1);

// The skin's ButtonCount of "Personality", or kButtonCountAbsent when the key is missing.
int SkinButtonCount(const std::string& mainFile);

}  // namespace tessera
