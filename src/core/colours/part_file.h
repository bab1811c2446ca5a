#pragma once
// The part files that override the colours and fonts the newer platforms draw their own parts
// with: a small 8-bit text table of records (part, state, value).
//
// Reading, line by line: a line ends at LF, CR LF or a lone CR; tabs are dropped; ";" starts a
// comment that runs to the line end; blank lines are skipped. The first line holds the record
// count N; each of the next N lines is one record, its fields separated by "," with surrounding
// spaces removed. A colours record is part, state, red, green, blue; a fonts record is part,
// state, face name, height in points, weight, italic, underline. Reading stops at the end of the
// bytes: a count larger than the records gives the records there are, lines after the N-th
// record are not records. A number is read as an optional sign and its leading digits (text
// without digits, or a missing field, reads as 0; a value past the int range is held at its
// end); colour channels are clamped to 0..255 and face names cut to 254 bytes. A count that is
// not a number reads as 0.
//
// Writing gives the one exact form: the count and CR LF, then per record each field followed by
// ", " and the line ended by CR LF ("3, 1, 255, 0, 0, " CR LF). Every record read is written back,
// so a file in that form reads and writes back byte for byte.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/system_colours.h"

namespace tessera {

enum class PartKind { Colours, Fonts };

inline constexpr std::size_t kPartFaceNameLimit = 254;

struct PartRecord {
  int part = 0;
  int state = 0;
  // Colours records.
  ColorRef colour = 0;
  // Fonts records.
  std::string face;  // 8-bit bytes as stored
  int height = 0;    // points
  int weight = 400;  // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  // Looked up in the catalogue, not stored in the file.
  std::string displayName;

  friend bool operator==(const PartRecord&, const PartRecord&) = default;
};

std::vector<PartRecord> ParsePartFile(std::string_view bytes, PartKind kind);
std::string FormatPartFile(const std::vector<PartRecord>& records, PartKind kind);

}  // namespace tessera
