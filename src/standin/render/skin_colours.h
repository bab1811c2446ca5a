#pragma once
// Colours of the current skin: system colours of section "Colours" with the platform's as the
// fall-back, and the numbered colour presets "Colour0" to "Colour49".
#include <QColor>
#include <optional>
#include <string_view>

#include "core/platform/system_colours.h"
#include "standin/render/skin_model.h"

namespace tessera::render {

// The skin's colour for a system colour index, else the platform's.
ColorRef SkinSystemColour(const SkinModel& skin, int index);
QColor SkinSystemQColor(const SkinModel& skin, int index);

// Preset `number` ("Colour", else the older "R", "G", "B"); nullopt when it does not exist.
std::optional<QColor> PresetColour(const SkinModel& skin, int number);

// Three integer keys (red, green, blue), nullopt when none of them is set.
std::optional<QColor> ColourFromKeys(const SkinModel& skin, std::string_view section, std::string_view red,
                                     std::string_view green, std::string_view blue);

QColor ToQColor(ColorRef colour);
ColorRef ToColorRef(const QColor& colour);

}  // namespace tessera::render
