#pragma once
// The one file picker of the editor, as a replaceable call: every window asks for a file through
// PickFile, so that tests answer it with a scripted picker instead of driving a modal dialog.
#include <QString>
#include <functional>

class QFileDialog;
class QWidget;

namespace tessera::ui {

class PictureView;

enum class PickerMode { Open, Save };

struct FilePickerRequest {
  QString title{};
  QString filter{};         // Qt form, for example "Images (.tga) (*.tga)"; ";;" separates several
  QString defaultSuffix{};  // appended when the typed name has no extension
  QString startPath{};      // a folder to open, or a file to start on; empty: the working folder
  QString initialName{};    // a name or pattern selected in the start folder
  PickerMode mode = PickerMode::Open;
  bool preview = false;     // a picture preview below the file list
  bool programsOnly = false;  // list only files the user may run (and folders to reach them)
};

// Asks the user for a file; the chosen path, or empty when cancelled.
using FilePicker = std::function<QString(QWidget* parent, const FilePickerRequest& request)>;

// Qt's own file dialog (the same on every desktop), with the picture preview when asked for.
QString PickFileWithDialog(QWidget* parent, const FilePickerRequest& request);

// Puts a picture view below the file list of Qt's own dialog: it shows the file under the cursor
// and is cleared when the dialog moves to another folder.
PictureView* AddPicturePreview(QFileDialog& dialog);

// The picker the windows use; the dialog unless replaced.
FilePicker& CurrentFilePicker();

inline QString PickFile(QWidget* parent, const FilePickerRequest& request) {
  return CurrentFilePicker()(parent, request);
}

// Replaces the picker while it lives and then restores the previous one.
class FilePickerOverride {
 public:
  explicit FilePickerOverride(FilePicker picker) : previous_(std::move(CurrentFilePicker())) {
    CurrentFilePicker() = std::move(picker);
  }
  ~FilePickerOverride() { CurrentFilePicker() = std::move(previous_); }
  FilePickerOverride(const FilePickerOverride&) = delete;
  FilePickerOverride& operator=(const FilePickerOverride&) = delete;

 private:
  FilePicker previous_;
};

}  // namespace tessera::ui
