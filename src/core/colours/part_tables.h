#pragma once
// The part colours and fonts of a skin: for each of thirteen part classes (a section of the main
// file, "ControlPanel.VFonts" ..) key Colours names the class's colours table and key Fonts its
// fonts table, as paths relative to the engine skins folder. A class the skin has not changed
// uses the template table of the data folder; the first change writes the whole table to a file
// of the skin's own beside its main file and points the key at it, so the shared template is
// never written.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/colours/part_file.h"

namespace tessera {

inline constexpr std::array<const char*, 13> kPartClasses = {
    "ControlPanel.VFonts", "TaskDialog.VFonts",   "Flyout.VFonts",  "Button.VFonts",    "AltTab.VFonts",
    "DragDrop.VFonts",     "QueryBuilder.VFonts", "AeroWizard.VFonts", "TextStyle.VFonts", "CommonPlaces.VFonts",
    "MonthCal.VFonts",     "Link.VFonts",         "EmptyMarkup.VFonts"};

// The catalogue of record display names in the data folder: one section per file stem, keys
// "part.state".
inline constexpr const char* kPartNamesCatalogue = "vistaBits.ini";
inline constexpr std::size_t kPartDisplayNameSize = 256;  // up to 255 characters

// The class name without its last six characters ("ControlPanel.").
std::string PartClassStem(std::string_view partClass);
// "Colours" or "Fonts".
const char* PartKey(PartKind kind);
// "Tessera7\TesseraTemplates\Fonts\" + stem + "colours" (or "font").
std::string TemplatePartPath(std::string_view partClass, PartKind kind);
// The table the skin uses: key Colours (Fonts) of the class section, default the template.
std::string PartPathOf(std::string_view partClass, PartKind kind, const std::string& mainFile);
// The catalogue section of a table path: its file name, and of that the text after its last "_".
std::string PartCatalogueSection(std::string_view partPath);
// Where a changed table goes: the skin's permanent main file (without the working mark "~"),
// relative to the skins folder, + "_" + stem + "colours" (or "font"), in the stored form.
std::string SavedPartPath(std::string_view partClass, PartKind kind, const std::string& mainFile);

// Reads the class's table and looks up each record's display name. A table that cannot be
// read, or whose path would lead out of the skins folder, gives no records.
std::vector<PartRecord> LoadPartClass(std::string_view partClass, PartKind kind, const std::string& mainFile);

// Points the class at its own table and writes `records` there, as one undo step. False when
// the table could not be written.
bool SavePartClass(std::string_view partClass, PartKind kind, const std::vector<PartRecord>& records,
                   const std::string& mainFile);

// Deletes the class's key, so the template shows again; the saved table stays on disk.
void RevertPartClass(std::string_view partClass, PartKind kind, const std::string& mainFile);

}  // namespace tessera
