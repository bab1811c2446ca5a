#pragma once
// Which sections of the open skin refer to a colour or font preset by number.
#include <string>
#include <vector>

namespace tessera {

// Text-colour and text-font keys, in the order the used-by scans check them.
extern const std::vector<const char*> kTextColourKeys;
extern const std::vector<const char*> kTextFontKeys;

// The catalogue description (default: the name) of every section of the main working file, then
// of the taskbar companion, in which one of `keys` (read with default 255) equals `number`.
std::vector<std::string> SectionsUsing(int number, const std::vector<const char*>& keys);

}  // namespace tessera
