#include "ui/pages/caption_choosers.h"

#include <QFontDialog>
#include <algorithm>

#include "ui/app/message_prompt.h"
#include "core/platform/skin_text.h"

namespace tessera::ui {

FontChooser& TextFontChooser() {
  static FontChooser chooser = [](const QFont& initial, QWidget* parent) -> std::optional<QFont> {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok) return std::nullopt;
    return chosen;
  };
  return chooser;
}

QFont FontFromStored(const StoredFont& stored) {
  QFont font;
  if (!stored.name.empty()) font.setFamily(FromSkinText(stored.name));
  // Heights are points; a negative height is a pixel height.
  if (stored.height > 0) font.setPointSize(stored.height);
  if (stored.height < 0) font.setPixelSize(-stored.height);
  if (stored.weight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp(stored.weight, 100, 900)));
  font.setItalic(stored.italic);
  return font;
}

StoredFont StoredFromFont(const QFont& font) {
  StoredFont stored;
  stored.name = ToSkinText(font.family());
  stored.height = font.pointSize() > 0 ? font.pointSize() : -font.pixelSize();
  stored.weight = static_cast<int>(font.weight());
  stored.italic = font.italic();
  return stored;
}

}  // namespace tessera::ui
