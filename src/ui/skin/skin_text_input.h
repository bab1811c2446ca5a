#pragma once
// Text the user types that ends up in skin files or file names, as Windows-1252 bytes (the
// counterpart of FromSkinText). Characters the code page lacks become '?'.
#include <QString>
#include <string>

namespace tessera::ui {

std::string ToSkinText(const QString& text);

}  // namespace tessera::ui
