#include "ui/app/editor_launcher.h"


#include "core/platform/environment.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"
#include "ui/app/frames_editor_dialog.h"
#include "ui/app/message_prompt.h"
#include "ui/app/shell_animation_dialog.h"
#include "ui/colours/edit_colours_dialog.h"
#include "ui/colours/edit_fonts_dialog.h"
#include "ui/editor/section_editor_window.h"
#include "ui/import/zor_builder_dialog.h"
#include "ui/import/import_dialog.h"
#include "ui/skin/how_do_i_dialog.h"
#include "ui/skin/wallpaper_dialog.h"
#include "ui/strip/cut_tool_dialog.h"
#include "ui/strip/frame_builder_dialog.h"
#include "ui/textures/frameless_frames_dialog.h"
#include "ui/textures/texture_dialog.h"

namespace tessera::ui {

namespace {

// The catalogue name of an entry: the text before its first "=".
std::string entryName(const std::string& entryText) { return entryText.substr(0, entryText.find('=')); }

}  // namespace

EntryEditor EditorForEntry(const std::string& entryText) {
  switch (entryText.empty() ? '\0' : entryText.back()) {
    case '4': return EntryEditor::FramesForm;
    case '3': return EntryEditor::Wallpapers;
    case '2': return EntryEditor::ShellAnimation;
    case '6': return EntryEditor::Textures;
    case '7': return EntryEditor::FramelessFrames;
    default: return EntryEditor::Section;
  }
}

void OpenEntryEditor(QWidget* parent, SkinDocument* document, int category, const std::string& entryText) {
  const EntryEditor editor = EditorForEntry(entryText);
  if (editor == EntryEditor::FramesForm) {
    FramesEditorDialog dialog(parent);
    dialog.exec();
  } else if (editor == EntryEditor::Wallpapers) {
    WallpaperDialog dialog(document, parent);
    dialog.exec();
  } else if (editor == EntryEditor::Textures) {
    TextureDialog dialog(document, parent);
    dialog.exec();
  } else if (editor == EntryEditor::FramelessFrames) {
    FramelessFramesDialog dialog(document, parent);
    dialog.exec();
  } else if (editor == EntryEditor::ShellAnimation) {
    ShellAnimationDialog dialog(document, entryName(entryText), parent);
    dialog.exec();
  } else {
    OpenSectionEditor(parent, document, category, entryName(entryText));
  }
}

void OpenSectionEditor(QWidget* parent, SkinDocument* document, int, const std::string& section) {
  SectionEditorWindow editor(document, section, parent);
  if (ReadSettingInt(settings::WasMaxEdit) == 1) editor.setWindowState(Qt::WindowMaximized);
  editor.exec();
}

void OpenHowDoI(QWidget* parent, SkinDocument* document) {
  HowDoIDialog dialog(document, parent);
  dialog.exec();
}
void OpenColoursEditor(QWidget* parent, SkinDocument* document, int startRow) {
  EditColoursDialog dialog(document, parent, startRow);
  dialog.exec();
}
void OpenFontsEditor(QWidget* parent, SkinDocument* document, int startRow) {
  EditFontsDialog dialog(document, parent, startRow);
  dialog.exec();
}
void OpenFrameBuilder(QWidget* parent, const std::string& currentSection) {
  FrameBuilderDialog builder(currentSection, parent);
  builder.exec();
}
void OpenCutTool(QWidget* parent, SkinDocument* document) {
  CutToolDialog tool(document, parent);
  tool.setWindowState(Qt::WindowMaximized);
  tool.exec();
}
std::string OpenImportDialog(QWidget* parent, ImportMode mode, const std::string& currentFile,
                             const std::string& sourcePath, const std::string& skinSection) {
  return ImportImage(parent, mode, sourcePath, currentFile, skinSection);
}
void OpenZorBuilder(QWidget* parent) {
  ZorBuilderDialog dialog(parent);
  dialog.exec();
}

}  // namespace tessera::ui
