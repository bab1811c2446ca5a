#pragma once
// The import dialog's model: choosing an outside picture, and the accept step that converts it
// into the skin folder (or copies a ZOR animation) and records where it came from.
#include <string>
#include <string_view>

namespace tessera {

inline constexpr const char* kImportCaption = "Unable to import";
inline constexpr const char* kImportLoadFailedText =
    "This image appears to be missing, corrupt, or not in a format that Tessera can read.\n\n"
    "Please select another file and try again.";
inline constexpr const char* kImportSaveFailedText =
    "This image appears to be corrupt or not in a format that Tessera can read.\n\n"
    "Please select another file and try again.";

enum class ImportMode { Full = 0, Quick = 1, FrameBuilder = 2 };

struct ImportState {
  ImportMode mode = ImportMode::Full;
  std::string trackingSection;  // the slot value the caller gave
  std::string path;             // the chosen outside file
  std::string name;             // file name the picture gets in the skin folder
  std::string ext;              // extension of the outside file
  bool reimport = true;         // "Tessera should reimport this file if it changes on disk"
  bool chosen = false;          // a file was chosen or typed since opening
};

// Opening: path = initial path; check box, Name and ext from the re-import list's section.
ImportState OpenImport(ImportMode mode, std::string_view initialPath, std::string_view trackingSection);

// Name and ext from a path: ext = text after the last "." of the file name, Name = the file
// name before it; a part that cannot be found is left as it was.
void DeriveNameAndExt(std::string_view path, std::string& name, std::string& ext);
// The path box was typed in, or a file dialog chose `path`: path set, Name and ext derived, chosen.
void SetImportPath(ImportState& state, std::string_view path);

enum class ImportOutcome {
  Cancelled,   // nothing chosen
  Imported,    // converted into the skin folder
  ZorCopied,   // a .zor file copied into the skin folder
  LoadFailed,  // show kImportLoadFailedText
  SaveFailed,  // show kImportSaveFailedText
};

struct ImportResult {
  ImportOutcome outcome = ImportOutcome::Cancelled;
  std::string slotValue;  // "<skin>\<Name>.tga" or ".bmp" (".zor" for a copied animation)
};

// The accept step ("OK", and the end of quick and frame-builder imports).
ImportResult AcceptImport(const ImportState& state);

// "Quick import file": the file picker chose `pickedPath` for the slot whose value is
// `trackingSection`; the accept step runs at once, with the re-import choice and names the
// re-import list remembers for the slot.
ImportResult QuickImport(std::string_view pickedPath, std::string_view trackingSection);

}  // namespace tessera
