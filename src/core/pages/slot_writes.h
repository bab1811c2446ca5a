#pragma once
// What choosing an entry of a slot's file list writes, for each page that has a slot. An empty
// value is the list's empty entry.
#include <string_view>

namespace tessera {

// "Image": the file goes into "Image" (and into "Bitmap" too for "Buttons", which older engines
// read); the empty entry deletes the whole section. Follow it with WriteTransparency.
void WriteImageSlot(std::string_view section, std::string_view value);
// "Glyph": "GlyphImage" is written and "GlyphBitmap" deleted; the empty entry deletes both.
void WriteGlyphSlot(std::string_view section, std::string_view value);
// "Settings": "Image" is written and "Bitmap" deleted; the empty entry deletes both.
void WriteSettingsSlot(std::string_view section, std::string_view value);
// A slot that is one key and nothing more (frame, shape and border images): the file is written
// into `key`; the empty entry deletes it.
void WriteSingleKeySlot(std::string_view section, std::string_view key, std::string_view value);

// A file a slot command brought in (import, copy, rename): written as the page's slot write,
// with the legacy key deleted unless the section keeps both.
enum class SlotPage { Image, Glyph, Settings, SingleKey };
// SlotPage::SingleKey slots go through WriteSingleKeySlot, which names its key.
void WriteSlotFromCommand(SlotPage page, std::string_view section, std::string_view value);

}  // namespace tessera
