#pragma once
// What the pages of a property sheet ask of the section editor window that holds them: the two
// section names every page edits, the open skin's document, and the window's repaint and rebuild
// services.
#include <string>

class QWidget;

namespace tessera {
class SkinDocument;
}

namespace tessera::ui {

class SectionEditorContext {
 public:
  virtual ~SectionEditorContext() = default;

  // The skin section whose keys the pages read and write (a layer section while a layer is
  // being edited).
  virtual std::string currentSection() const = 0;
  // The catalogue entry selected in the list or tree.
  virtual std::string currentTopLevelSection() const = 0;
  // Makes `section` the current section (the top-level section stays).
  virtual void setCurrentSection(const std::string& section) = 0;
  // Rebuilds the property sheet for the current section. Queued: it never runs inside the
  // caller's own call stack, so a page may ask for it from its own handlers.
  virtual void requestSheetRebuild() = 0;
  // Repaints the window's large preview from the skin files.
  virtual void repaintLargePreview() = 0;
  // The editor window, as the parent of dialogs the pages open.
  virtual QWidget* editorWindow() = 0;
  // The open skin the pages edit (nullptr: writes are not journalled and nothing is announced).
  virtual SkinDocument* document() const = 0;
};

}  // namespace tessera::ui
