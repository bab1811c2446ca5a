#pragma once
// What the drawing-keys test needs to know beyond the reference itself: the keys that cannot
// show in a still picture, the settings a key needs before it can show, and the values to
// change a key to.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing_keys/doc_key_tables.h"

namespace tessera::testing {

// The reason a key cannot show in a still picture, or none for a drawing key.
std::optional<std::string_view> NotDrawnReason(std::string_view key);
// The same for a key of a given table, where one name means different things in different tables.
std::optional<std::string_view> NotDrawnReason(const DocKey& key);

// The reason no preview's window shows a section at all, or none.
std::optional<std::string_view> SectionNotShown(std::string_view section);

// The reason the painting page's preview cannot show a key that other previews show, or none.
std::optional<std::string_view> NotShownByPaintingPage(std::string_view key);

// The reason a key cannot show in the large preview or the sample window, or none.
std::optional<std::string_view> NotShownBySizedElements(std::string_view key);

// The catalogue group whose large preview shows the key, when it is not the group of the
// key's own section (0).
int GroupShowingKey(std::string_view key);

// The keys of chapter 3.2: they size a picture to its element.
bool IsSizingKey(const DocKey& key);

// Why the large preview shows no text of the section's own, or none when it does.
std::optional<std::string_view> OwnTextNotInLargePreview(std::string_view section);

// The section whose text the test draws with a font preset.
std::string_view FontPresetUser();

// The keys of chapter 3.4: they place and colour a section's text.
bool IsTextKey(const DocKey& key);
// A text key that names one state of the element ("PressedColour", "TextHorzAlignDisabled").
bool IsStateKey(std::string_view key);

// A key written before the key under test changes, identically in both renderings: `section`
// empty means the section under test, `value` empty removes the key.
struct Setting {
  std::string section;
  std::string key;
  std::string value;
};

// What the test provides to build settings and values: new pictures in the skin folder (noise,
// `frames` frames side by side, each `frame` big; returns the slot value) and the section's
// picture frame size.
struct ChangeTools {
  std::function<std::string(int width, int height, bool mask)> newPicture;
  int frameWidth = 24;
  int frameHeight = 24;
  int frameCount = 1;
  bool vertical = false;  // the section's frames are stacked
  // A strip of the section's frame count and direction, each frame `width` x `height`.
  std::string strip(int width, int height, bool mask = false) const {
    return vertical ? newPicture(width, height * frameCount, mask) : newPicture(width * frameCount, height, mask);
  }
};

// Settings the key needs to show at all (a glyph for the glyph keys, margins for the tile flags...).
std::vector<Setting> Preconditions(const DocKey& key, const ChangeTools& tools, std::string_view section);

// Values to try in turn instead of `current`, each valid for the key's documented form.
std::vector<std::string> OtherValues(const DocKey& key, const std::string& current, const ChangeTools& tools);

}  // namespace tessera::testing
