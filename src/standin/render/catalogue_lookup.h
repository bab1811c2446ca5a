#pragma once
// The few catalogue values the renderer needs, read from the data folder of the skins folder
// (Tessera7/subsections.ini): how many frames a section's picture has when the skin does not say.
#include <string>
#include <string_view>

#include "standin/render/skin_model.h"

namespace tessera::render {

// "ImageCount" of the section's catalogue entry (a layer "S:L" asks for S); 1 when unknown.
int CatalogueImageCount(const SkinModel& skin, std::string_view section);
// "Vert" of the catalogue entry: its frames are stacked vertically.
bool CatalogueVertical(const SkinModel& skin, std::string_view section);

}  // namespace tessera::render
