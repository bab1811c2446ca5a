#include "core/colours/colour_value.h"

#include <algorithm>

namespace tessera {

namespace {

// A leading decimal number as the C library's atoi reads it (leading white space, a sign, the
// digits), held at a bound instead of overflowing: only its side of 0..255 matters.
std::int64_t numberAt(std::string_view text, std::size_t pos) {
  constexpr std::int64_t kBound = 1'000'000'000;
  auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (pos < text.size() && blank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
  std::int64_t value = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    value = std::min(kBound, value * 10 + (text[pos] - '0'));
  }
  return negative ? -value : value;
}

}  // namespace

int ClampChannel(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, 0, 255)); }

ColorRef ColourFromChannels(std::int64_t red, std::int64_t green, std::int64_t blue) {
  return MakeColorRef(ClampChannel(red), ClampChannel(green), ClampChannel(blue));
}

ColorRef ParseColourText(std::string_view text) {
  const std::int64_t red = numberAt(text, 0);
  const std::size_t first = text.find(' ');
  const std::int64_t green = first == std::string_view::npos ? 0 : numberAt(text, first + 1);
  const std::size_t second = first == std::string_view::npos ? first : text.find(' ', first + 1);
  const std::int64_t blue = second == std::string_view::npos ? 0 : numberAt(text, second + 1);
  return ColourFromChannels(red, green, blue);
}

std::optional<ColorRef> ParseRgbValue(std::string_view text) {
  std::int64_t parts[3] = {0, 0, 0};
  std::size_t pos = 0;
  const auto digitAt = [&text](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  for (std::int64_t& part : parts) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == ',' || text[pos] == '\t')) ++pos;
    const std::size_t digits = pos + (pos < text.size() && (text[pos] == '-' || text[pos] == '+') ? 1 : 0);
    if (!digitAt(digits)) return std::nullopt;
    part = numberAt(text, pos);
    for (pos = digits; digitAt(pos);) ++pos;
  }
  return ColourFromChannels(parts[0], parts[1], parts[2]);
}

std::string FormatColourValue(ColorRef colour) {
  return std::to_string(RedOf(colour)) + " " + std::to_string(GreenOf(colour)) + " " + std::to_string(BlueOf(colour));
}

}  // namespace tessera
