#pragma once
// An image slot: one image key of a section (with the older key it replaced), the files of the
// skin folder it can name, and where the slot's commands start looking for a picture.
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

struct SlotKeys {
  const char* key;
  const char* legacyKey;  // nullptr when the slot never had an older key
};

inline constexpr SlotKeys kImageSlot{"Image", "Bitmap"};
inline constexpr SlotKeys kGlyphSlot{"GlyphImage", "GlyphBitmap"};

// The slot key of `section` on the main file, or the legacy key when the slot key is empty or
// missing.
std::string ReadSlotValue(std::string_view section, const SlotKeys& keys);

// The files of the open skin's folder a slot can name, as lower-case slot values
// ("myskin\button.tga"), each once, in name order: TGA, BMP and ZOR files, or only ZOR files
// for animation sections.
std::vector<std::string> ListSlotFiles(bool animationOnly);
// True for a file a slot can name: a ZOR animation, or (unless `animationOnly`) a TGA or BMP.
bool IsSlotFileName(std::string_view name, bool animationOnly);

// Position of `value` in `files` (letter case ignored); -1 when it is not there.
int FindSlotFile(const std::vector<std::string>& files, std::string_view value);

// Full path of the file a slot value names; empty when the value is empty or could lead out of
// the skins folder.
std::string SlotFilePath(std::string_view slotValue);

// The slot value of a file that lies directly in the open skin's folder (lower case); empty for
// any other path.
std::string SlotValueForFile(std::string_view fullPath);

// Where the slot's commands (import, copy, rename, ...) start: the skin folder when the slot is
// empty, the tracked source when the re-import list follows the slot, else the slot's file.
std::string CommandSourcePath(std::string_view slotValue);

// True when the file name can carry an alpha channel: it contains ".tga", ".zor" or ".png".
bool NamesAlphaCapableFile(std::string_view slotValue);

}  // namespace tessera
