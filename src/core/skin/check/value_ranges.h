#pragma once
// The ranges of the numeric keys of docs/skin-format.md, in one table: which sections a key
// belongs to and the values it may take.
#include <span>
#include <string_view>

namespace tessera::check {

enum class SectionKind {
  Any,       // every section
  Named,     // the section `name`
  Numbered,  // `name` followed by digits (Button0, Font12)
  Prefix,    // sections whose name starts with `name`
  Layer,     // layer sections (their name holds a ':')
};

struct ValueRange {
  SectionKind kind;
  const char* name;  // see SectionKind; unused for Any and Layer
  const char* key;
  long long min;
  long long max;
  long long step = 1;  // the value must be a multiple of it (FontAngle: 0 or 900)
};

std::span<const ValueRange> ValueRanges();
bool SectionMatches(const ValueRange& range, std::string_view section);

// Sections whose every key is a colour ("255 128 0"), and the preset key that is one.
inline constexpr const char* kColourSection = "Colours";

}  // namespace tessera::check
