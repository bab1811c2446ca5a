#pragma once
// Skin files are 8-bit Windows-1252 text. The interface shows it as QString and hands typed text
// back through the one matching encoder, so every byte survives the trip: the five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the control characters of the
// same number and encode back to themselves.
#include <QString>
#include <string>
#include <string_view>

namespace tessera {

QString FromSkinText(std::string_view bytes);
// Characters the code page lacks become '?'.
std::string ToSkinText(const QString& text);

}  // namespace tessera
