#pragma once
// Handing a skin picture to the user's image editor. A TGA is handed over as a temporary PNG in
// the skin's "TempPngs" folder, registered in the re-import list so that the next re-import pass
// converts the edited PNG back into the skin.
#include <string_view>

namespace tessera {

// Opens the slot's tracked source (when it exists) or its picture in the editor: the setting
// EditApp when set, else the shell verb of EditVerb. False when nothing was opened.
bool EditImageExternally(std::string_view slotValue);

}  // namespace tessera
