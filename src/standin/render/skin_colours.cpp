#include "standin/render/skin_colours.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/platform/settings.h"

namespace tessera::render {

namespace {

// Keys of section "Colours" by platform colour index; index 25 has none, and the colour read by
// index knows no key beyond 28.
constexpr std::array<const char*, 29> kColourKeys = {
    "Scrollbar",   "Background",    "ActiveTitle",  "InactiveTitle",  "Menu",           "Window",
    "WindowFrame", "MenuText",      "WindowText",   "TitleText",      "ActiveBorder",   "InactiveBorder",
    "AppWorkspace", "Hilight",      "HilightText",  "ButtonFace",     "ButtonShadow",   "GrayText",
    "ButtonText",  "InactiveTitleText", "ButtonHilight", "ButtonDkShadow", "ButtonLight", "InfoText",
    "InfoWindow",  nullptr,         "HotTrackingColor", "GradientActiveTitle", "GradientInactiveTitle"};

int channel(int value) { return std::clamp(value, 0, 255); }

}  // namespace

std::optional<QColor> ParseColourValue(std::string_view value) {
  if (value.empty()) return std::nullopt;
  int numbers[3] = {0, 0, 0};
  std::size_t pos = 0;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      pos = value.find(' ', pos);
      if (pos == std::string_view::npos) break;
      ++pos;
    }
    numbers[i] = ParseLeadingInt(value.substr(pos));
  }
  return QColor(channel(numbers[0]), channel(numbers[1]), channel(numbers[2]));
}

ColorRef SkinSystemColour(const SkinModel& skin, int index) {
  if (index >= 0 && index < static_cast<int>(kColourKeys.size()) && kColourKeys[static_cast<std::size_t>(index)]) {
    const std::string value = skin.text("Colours", kColourKeys[static_cast<std::size_t>(index)]);
    if (const auto colour = ParseColourValue(value)) return ToColorRef(*colour);
  }
  return PlatformSystemColour(index);
}

QColor SkinSystemQColor(const SkinModel& skin, int index) { return ToQColor(SkinSystemColour(skin, index)); }

std::optional<QColor> PresetColour(const SkinModel& skin, int number) {
  if (number < 0 || number > 49) return std::nullopt;
  const std::string section = "Colour" + std::to_string(number);
  if (const auto colour = ParseColourValue(skin.text(section, "Colour"))) return colour;
  if (skin.text(section, "R").empty()) return std::nullopt;
  return QColor(skin.integer(section, "R", -1) & 0xff, channel(skin.integer(section, "G", 0)),
                channel(skin.integer(section, "B", 0)));
}

std::optional<QColor> ColourFromKeys(const SkinModel& skin, std::string_view section, std::string_view red,
                                     std::string_view green, std::string_view blue) {
  const auto r = skin.value(section, red), g = skin.value(section, green), b = skin.value(section, blue);
  if (!r && !g && !b) return std::nullopt;
  return QColor(channel(skin.integer(section, red, 0)), channel(skin.integer(section, green, 0)),
                channel(skin.integer(section, blue, 0)));
}

QColor ToQColor(ColorRef colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

ColorRef ToColorRef(const QColor& colour) { return MakeColorRef(colour.red(), colour.green(), colour.blue()); }

}  // namespace tessera::render
