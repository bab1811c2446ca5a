#pragma once
// The import dialog (ImportDialog): brings an outside picture into the skin folder as TGA or BMP,
// or copies a ZOR animation, and remembers the source for re-importing. Runs shown (full
// dialog), or hidden as a quick import or around the frame builder.
#include <QDialog>
#include <string>

#include "core/image/image_import.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace tessera::ui {

class PictureView;

class ImportDialog : public QDialog {
  Q_OBJECT
 public:
  // `skinSection`: the section whose slot is being filled; the frame builder starts from its frame
  // count and state names.
  ImportDialog(QWidget* parent, ImportMode mode, const std::string& initialPath, const std::string& trackingSection,
               const std::string& skinSection = {});

  // Runs the dialog in its mode; the new slot value, empty when nothing was imported.
  std::string run();
  const std::string& result() const { return result_; }
  const ImportState& state() const { return state_; }

  QPlainTextEdit* pathBox() const { return pathBox_; }
  QCheckBox* reimportBox() const { return reimportBox_; }
  PictureView* preview() const { return preview_; }
  QPushButton* okButton() const { return okButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  QPushButton* createSubframesButton() const { return createButton_; }
  QPushButton* modifySubframesButton() const { return modifyButton_; }

 private:
  void buildLayout();
  void pickFile();
  void pickSample();
  void runFrameBuilder(const std::string& startPath);
  void choosePath(const std::string& path);
  void pathTyped();
  // The accept step; true when the dialog may close.
  bool acceptImport(bool showMessages);
  void okClicked();

  ImportState state_;
  std::string result_;
  std::string skinSection_;
  QPlainTextEdit* pathBox_ = nullptr;
  QCheckBox* reimportBox_ = nullptr;
  PictureView* preview_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* createButton_ = nullptr;
  QPushButton* modifyButton_ = nullptr;
};

// The three entry points of the dialog.
std::string ImportImage(QWidget* parent, ImportMode mode, const std::string& initialPath,
                        const std::string& trackingSection, const std::string& skinSection = {});

}  // namespace tessera::ui
