#pragma once
// Copying all keys of another section of the open skin into the current one.
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

struct ImportSource {
  std::string section;      // the section name as it stands in its file
  std::string description;  // catalogue "Description"
  bool inCompanion = false; // from the taskbar or shell companion file
  // The row text: name + " (" + description + ")", companions with two tabs before the " (".
  std::string rowText() const;
};

// The sections of the main working file that have a catalogue description, then every section
// of the taskbar and the shell companion files.
std::vector<ImportSource> ImportSources(std::string_view dataFolder);

// The keys kept when the picture is not imported.
inline constexpr const char* kImageKeys[] = {"Image", "Glyph", "ImageMask", "GlyphMask"};

// Replaces the whole of `target` with the keys of `source`, each read from and written to its
// routed file. With `keepImages` the target keeps its own picture keys (a key it did not have
// stays absent). Marks the skin modified. Returns false when the target could not be written.
bool ImportSection(std::string_view source, std::string_view target, bool keepImages);

}  // namespace tessera
