#include "core/colours/part_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/colours/colour_value.h"

namespace tessera {

namespace {

// The next line with its tabs dropped, its comment cut and its ends trimmed of spaces; `pos`
// moves past the line end (LF, CR LF or CR).
std::string nextLine(std::string_view bytes, std::size_t& pos) {
  std::string line;
  bool inComment = false;
  while (pos < bytes.size()) {
    const char c = bytes[pos++];
    if (c == '\n') break;
    if (c == '\r') {
      if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
      break;
    }
    if (c == ';') inComment = true;
    if (inComment || c == '\t') continue;
    line.push_back(c);
  }
  return line;
}

std::string_view trimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// An optional sign and the leading digits; held at the ends of the int range.
std::int64_t readNumber(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = std::min(value * 10 + (text[i] - '0'), kLimit);
  return negative ? -value : value;
}

int toInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::vector<std::string_view> splitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(trimSpaces(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return fields;
}

PartRecord parseRecord(std::string_view line, PartKind kind) {
  const std::vector<std::string_view> fields = splitFields(line);
  const auto field = [&fields](std::size_t i) { return i < fields.size() ? fields[i] : std::string_view{}; };
  const auto number = [&](std::size_t i) { return readNumber(field(i)); };
  PartRecord record;
  record.part = toInt(number(0));
  record.state = toInt(number(1));
  if (kind == PartKind::Colours) {
    record.colour = ColourFromChannels(number(2), number(3), number(4));
  } else {
    record.face = std::string(trimSpaces(field(2).substr(0, kPartFaceNameLimit)));
    record.height = toInt(number(3));
    record.weight = toInt(number(4));
    record.italic = number(5) != 0;
    record.underline = number(6) != 0;
  }
  return record;
}

// A face name as a field can hold it: no field or line separators, no comment or tab (none of
// which a name read back could contain), at most 254 bytes.
std::string storableFace(std::string_view face) {
  std::string out;
  for (const char c : face)
    if (c != ',' && c != ';' && c != '\t' && c != '\r' && c != '\n') out.push_back(c);
  const std::string_view trimmed = trimSpaces(std::string_view(out).substr(0, kPartFaceNameLimit));
  return std::string(trimmed);
}

}  // namespace

std::vector<PartRecord> ParsePartFile(std::string_view bytes, PartKind kind) {
  std::vector<PartRecord> records;
  std::size_t pos = 0;
  std::int64_t count = -1;
  while (pos < bytes.size()) {
    const std::string line = nextLine(bytes, pos);
    if (trimSpaces(line).empty()) continue;
    if (count < 0) {
      count = std::max<std::int64_t>(0, readNumber(trimSpaces(line)));
      continue;
    }
    if (static_cast<std::int64_t>(records.size()) >= count) break;
    records.push_back(parseRecord(line, kind));
  }
  return records;
}

std::string FormatPartFile(const std::vector<PartRecord>& records, PartKind kind) {
  std::string out = std::to_string(records.size()) + "\r\n";
  out.reserve(records.size() * 48);
  const auto field = [&out](std::string_view text) {
    out += text;
    out += ", ";
  };
  for (const PartRecord& r : records) {
    field(std::to_string(r.part));
    field(std::to_string(r.state));
    if (kind == PartKind::Colours) {
      field(std::to_string(RedOf(r.colour)));
      field(std::to_string(GreenOf(r.colour)));
      field(std::to_string(BlueOf(r.colour)));
    } else {
      field(storableFace(r.face));
      field(std::to_string(r.height));
      field(std::to_string(r.weight));
      field(r.italic ? "1" : "0");
      field(r.underline ? "1" : "0");
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace tessera
