#pragma once
// The text and background colours of the fonts editor's preview, kept in section "Tessera" of
// "tessera.ini" beside the registry hives (the platform keeps that file in its Windows folder).
#include <string>

#include "core/platform/system_colours.h"

namespace tessera {

struct FontPreviewColours {
  ColorRef fore = 0;         // FontPreviewFore, black
  ColorRef back = 0xffffff;  // FontPreviewBack, white
};

std::string FontPreviewColoursFile();
FontPreviewColours ReadFontPreviewColours();

}  // namespace tessera
