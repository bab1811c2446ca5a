#pragma once
// The key tables of docs/skin-format.md read as data: every key a table documents, what values it
// takes and which sections it applies to, and the section index with each section's group.
#include <string>
#include <vector>

namespace tessera::testing {

enum class KeyScope {
  PictureSections,  // the keys every picture section has (chapter 3.1 to 3.4)
  LayerSections,    // the keys of a layer section (chapter 3.7)
  Named,            // the sections the table names in its "In section" or "Section" column
  Frame,            // a window-frame table whose heading or lead-in names its section (chapter 4)
  FrameButtons,     // the standard frame buttons (chapter 4.4)
  TitleBarButtons,  // the `Button<i>` sections (chapter 5)
  FontPresets,      // the `Font<n>` presets (chapter 10)
  Other,            // any other table
};

struct DocKey {
  std::string name;
  std::string value;  // the "Value" cell: "flag", "0..1000", "path", "colour preset"...
  std::string chapter;  // the heading above the table, e.g. "3.2 Painting and sizing margins"
  KeyScope scope = KeyScope::Other;
  std::vector<std::string> sections;  // for KeyScope::Named and KeyScope::Frame
};

struct IndexedSection {
  std::string name;
  int group = 0;
  std::string kind;  // "picture", "extra settings", "animation"...
  int frames = 0;
};

struct DocTables {
  std::vector<DocKey> keys;
  std::vector<IndexedSection> sections;
};

// Reads the reference; empty tables when the file cannot be read.
DocTables ReadDocTables(const std::string& path);

// The backticked names of a table cell, with `Name<S>` expanded to the text states of chapter
// 3.4 and "`A` ... `B`" keeping its two ends.
std::vector<std::string> CellNames(const std::string& cell);

}  // namespace tessera::testing
