#include "ui/app/editor_launcher.h"

#include <QMessageBox>

#include "core/platform/environment.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"
#include "ui/app/frames_editor_dialog.h"
#include "ui/app/message_prompt.h"
#include "ui/colours/edit_colours_dialog.h"
#include "ui/colours/edit_fonts_dialog.h"
#include "ui/editor/section_editor_window.h"
#include "ui/import/zor_builder_dialog.h"
#include "ui/import/import_dialog.h"
#include "ui/strip/cut_tool_dialog.h"
#include "ui/strip/frame_builder_dialog.h"

namespace tessera::ui {

namespace {

void announce(QWidget* parent, const QString& editor, const QString& subject = {}) {
  const QString text = subject.isEmpty() ? QStringLiteral("The %1 editor opens here.").arg(editor)
                                         : QStringLiteral("The %1 editor opens here for \"%2\".").arg(editor, subject);
  QMessageBox::information(parent, QStringLiteral("Quillmont Tessera"), text);
}

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

namespace {

// What the placeholder message calls an editor that is not built yet.
QString plainName(EntryEditor editor) {
  switch (editor) {
    case EntryEditor::Wallpapers: return QStringLiteral("wallpaper management");
    case EntryEditor::ShellAnimation: return QStringLiteral("shell animation");
    case EntryEditor::Textures: return QStringLiteral("start menu and taskbar texture");
    case EntryEditor::FramelessFrames: return QStringLiteral("frameless window frame");
    default: return {};
  }
}

}  // namespace

void OpenEntryEditor(QWidget* parent, int category, const std::string& entryText) {
  const EntryEditor editor = EditorForEntry(entryText);
  if (editor == EntryEditor::FramesForm) {
    FramesEditorDialog dialog(parent);
    dialog.exec();
  } else if (editor == EntryEditor::Section) {
    OpenSectionEditor(parent, category, entryName(entryText));
  } else {
    announce(parent, plainName(editor), FromSkinText(entryText));
  }
}

void OpenSectionEditor(QWidget* parent, int, const std::string& section) {
  SectionEditorWindow editor(section, parent);
  if (ReadSettingInt(settings::WasMaxEdit) == 1) editor.setWindowState(Qt::WindowMaximized);
  editor.exec();
}

void OpenHowDoI(QWidget* parent) { announce(parent, QStringLiteral("\"How do I\"")); }
void OpenColoursEditor(QWidget* parent, int startRow) {
  EditColoursDialog dialog(parent, startRow);
  dialog.exec();
}
void OpenFontsEditor(QWidget* parent, int startRow) {
  EditFontsDialog dialog(parent, startRow);
  dialog.exec();
}
void OpenFrameBuilder(QWidget* parent, const std::string& currentSection) {
  FrameBuilderDialog builder(currentSection, parent);
  builder.exec();
}
void OpenCutTool(QWidget* parent) {
  CutToolDialog tool(parent);
  tool.setWindowState(Qt::WindowMaximized);
  tool.exec();
}
std::string OpenImportDialog(QWidget* parent, ImportMode mode, const std::string& currentFile,
                             const std::string& sourcePath) {
  return ImportImage(parent, mode, sourcePath, currentFile);
}
void OpenZorBuilder(QWidget* parent) {
  ZorBuilderDialog dialog(parent);
  dialog.exec();
}

}  // namespace tessera::ui
