#pragma once
// Handing a skin picture to the user's image editor. A TGA is handed over as a temporary PNG in
// the skin's "TempPngs" folder, registered in the re-import list so that the next re-import pass
// converts the edited PNG back into the skin.
#include <string_view>

namespace tessera {

inline constexpr const char* kTempPngsFolderName = "TempPngs";

// Opens the slot's tracked source (when it exists) or its picture in the editor: the program of
// EditApp when EditVerb is "Custom" and EditApp is set, else the shell verb of EditVerb. False
// when nothing was opened.
bool EditImageExternally(std::string_view slotValue);

}  // namespace tessera
