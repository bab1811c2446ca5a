#pragma once
// Starting the editors and tools from the main window, each on the open skin's document. Entries
// dispatch on their type code (the last character of the entry's text).
#include <QWidget>
#include <string>

#include "core/image/image_import.h"

namespace tessera {
class SkinDocument;
}

namespace tessera::ui {

// Opens the editor for an entry of the entry list.
void OpenEntryEditor(QWidget* parent, SkinDocument* document, int category, const std::string& entryText);
// The section editor (SectionEditorWindow) on a section.
void OpenSectionEditor(QWidget* parent, SkinDocument* document, int category, const std::string& section);
void OpenHowDoI(QWidget* parent, SkinDocument* document);
// The colours and fonts editors, on the presets with row `startRow` selected.
void OpenColoursEditor(QWidget* parent, SkinDocument* document, int startRow = 0);
void OpenFontsEditor(QWidget* parent, SkinDocument* document, int startRow = 0);
// The frame builder (FrameBuilderDialog) on the builder path; with a section, on that section's frame
// count and state names. Afterwards the builder path names the saved file.
void OpenFrameBuilder(QWidget* parent, const std::string& currentSection = {});
// The cut tool (CutToolDialog), maximised.
void OpenCutTool(QWidget* parent, SkinDocument* document);
// The import dialog (ImportDialog) in its full or frame-builder mode for an image slot whose value
// is `currentFile`, starting at `sourcePath`; the frame builder takes the frame count and state
// names of `skinSection`. Returns the new slot value; empty = cancelled.
std::string OpenImportDialog(QWidget* parent, ImportMode mode, const std::string& currentFile,
                             const std::string& sourcePath, const std::string& skinSection = {});
void OpenZorBuilder(QWidget* parent);

// The editor an entry's type code opens.
enum class EntryEditor { Section, FramesForm, Wallpapers, ShellAnimation, Textures, FramelessFrames };
EntryEditor EditorForEntry(const std::string& entryText);

}  // namespace tessera::ui
