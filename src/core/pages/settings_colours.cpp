#include "core/pages/settings_colours.h"

#include "core/colours/colour_value.h"
#include "core/skin/catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

ColourEntry entry(const char* label, const char* prefix, const char* suffix = "") {
  const std::string p(prefix);
  const std::string s(suffix);
  return ColourEntry{label, {p + "R" + s, p + "G" + s, p + "B" + s}};
}

int readChannel(std::string_view section, const std::string& key) {
  return ClampChannel(static_cast<int>(ReadSkinInt(section, key, 0, Session().mainFile)));
}

}  // namespace

std::vector<ColourEntry> SettingsColourEntries(std::string_view section) {
  namespace keys = subsection_keys;
  const CatalogueFile catalogue(catalogue_files::kSubsections);
  const int background = catalogue.readInt(section, keys::BackgroundColour);
  const int body = catalogue.readInt(section, keys::BodyColour);
  const int text = catalogue.readInt(section, keys::TextColour);
  std::vector<ColourEntry> entries;
  if (background >= 1) entries.push_back(entry("Background Colour", "BackColour"));
  if (background == 2) entries.push_back(entry("Background Colour 2", "BackColour", "2"));
  if (catalogue.readInt(section, keys::BorderColour) >= 1) entries.push_back(entry("Border Colour", "BorderColour"));
  if (body >= 1) entries.push_back(entry("Body Text Colour", "BodyColour"));
  if (body == 2) entries.push_back(entry("Body Text Colour (Mouseover)", "BodyMouseOverColour"));
  if (catalogue.readInt(section, keys::TitleColour) >= 1) entries.push_back(entry("Title Text Colour", "TitleColour"));
  if (text >= 1) entries.push_back(entry("Text Colour", "TextColour"));
  if (text == 2) entries.push_back(entry("Text Colour (Mouseover)", "MouseOverColour"));
  return entries;
}

Rgb ReadColourEntry(std::string_view section, const ColourEntry& entry) {
  return Rgb{readChannel(section, entry.keys[0]), readChannel(section, entry.keys[1]),
             readChannel(section, entry.keys[2])};
}

void WriteColourEntry(std::string_view section, const ColourEntry& entry, const Rgb& colour) {
  const std::string& file = Session().mainFile;
  WriteSkinString(section, entry.keys[0], std::to_string(colour.red), file);
  WriteSkinString(section, entry.keys[1], std::to_string(colour.green), file);
  WriteSkinString(section, entry.keys[2], std::to_string(colour.blue), file);
}

}  // namespace tessera
