#pragma once
// Keys of window frames drawn from one horizontal and one vertical frame image: the two frame
// images and two shape images of the section, their frame counts, and the frame numbers and
// sizing margins kept in section "Borders".
#include <array>
#include <string_view>

#include "core/pages/image_slot.h"

namespace tessera {

inline constexpr std::string_view kBordersSection = "Borders";

inline constexpr SlotKeys kHorzFrameSlot{"HorzFrame", nullptr};
inline constexpr SlotKeys kVertFrameSlot{"VertFrame", nullptr};
inline constexpr SlotKeys kShapeLeftSlot{"ShapeLeftImage", nullptr};
inline constexpr SlotKeys kShapeRightSlot{"ShapeRightImage", nullptr};

inline constexpr const char* kFrameCountKey = "FrameCount";
inline constexpr const char* kShapeFrameCountKey = "ShapeFrameCount";
// Frame and shape images hold an active and an inactive frame unless they say otherwise.
inline constexpr int kDefaultFrameImageCount = 2;
inline constexpr int kMaxFrameImageCount = 255;

// "FrameCount" or "ShapeFrameCount" of `section`, default 2, kept within 1..255 so that the
// frame-number lists always have an entry.
int ReadFrameImageCount(std::string_view section, const char* key);
// Always written, the default included: the engine reads no default of its own here.
void WriteFrameImageCount(std::string_view section, const char* key, int count);

// The frame numbers of one kind of window in "Borders", as 0-based indexes.
enum class FrameState { Active, Inactive, Disabled };
struct FrameIndexRow {
  const char* caption;
  std::array<const char*, 3> frameKeys;  // active, inactive, disabled
  std::array<const char*, 3> shapeKeys;
};
extern const std::array<FrameIndexRow, 3> kFrameIndexRows;

// What a missing key means for the active and inactive lists; disabled lists have no default
// of their own and follow the inactive list of the same row.
int DefaultFrameIndex(bool shape, FrameState state);
// The stored index, or `def` when the key is missing.
int ReadFrameIndex(const char* key, int def);
void WriteFrameIndex(const char* key, int index);

// Stretch flags and sizing margins of the four borders, in "Borders".
struct BorderMarginRow {
  const char* stretchCaption;
  const char* stretchKey;
  const char* firstCaption;
  const char* firstKey;
  const char* secondCaption;
  const char* secondKey;
};
extern const std::array<BorderMarginRow, 4> kBorderMarginRows;

inline constexpr int kMaxBorderMargin = 1000;

// A stretch flag is on only when it holds 1; turning it off removes the key.
bool ReadMiddleStretch(const char* key);
void WriteMiddleStretch(const char* key, bool on);
// A margin of `section`, default 0, kept within 0..1000.
int ReadBorderMargin(std::string_view section, const char* key);
void WriteBorderMargin(std::string_view section, const char* key, int value);

}  // namespace tessera
