#include "standin/render/skin_colours.h"

#include <array>
#include <string>

#include "core/colours/colour_value.h"

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

// The skin's colour value text; nullopt when it is empty (no colour set).
std::optional<QColor> colourValue(std::string_view value) {
  if (value.empty()) return std::nullopt;
  return ToQColor(ParseColourText(value));
}

}  // namespace

ColorRef SkinSystemColour(const SkinModel& skin, int index) {
  if (index >= 0 && index < static_cast<int>(kColourKeys.size()) && kColourKeys[static_cast<std::size_t>(index)]) {
    const std::string value = skin.text("Colours", kColourKeys[static_cast<std::size_t>(index)]);
    if (!value.empty()) return ParseColourText(value);
  }
  return PlatformSystemColour(index);
}

QColor SkinSystemQColor(const SkinModel& skin, int index) { return ToQColor(SkinSystemColour(skin, index)); }

std::optional<QColor> PresetColour(const SkinModel& skin, int number) {
  if (number < 0 || number > 49) return std::nullopt;
  const std::string section = "Colour" + std::to_string(number);
  if (const auto colour = colourValue(skin.text(section, "Colour"))) return colour;
  if (skin.text(section, "R").empty()) return std::nullopt;
  return ToQColor(ColourFromChannels(skin.integer(section, "R", 255), skin.integer(section, "G", 0),
                                     skin.integer(section, "B", 0)));
}

std::optional<QColor> ColourFromKeys(const SkinModel& skin, std::string_view section, std::string_view red,
                                     std::string_view green, std::string_view blue) {
  const auto r = skin.value(section, red), g = skin.value(section, green), b = skin.value(section, blue);
  if (!r && !g && !b) return std::nullopt;
  return ToQColor(ColourFromChannels(skin.integer(section, red, 0), skin.integer(section, green, 0),
                                     skin.integer(section, blue, 0)));
}

QColor ToQColor(ColorRef colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

ColorRef ToColorRef(const QColor& colour) { return MakeColorRef(colour.red(), colour.green(), colour.blue()); }

}  // namespace tessera::render
