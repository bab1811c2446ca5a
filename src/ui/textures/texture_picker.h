#pragma once
// One texture of the skin: its list of pictures with "Edit" and the ">" picture menu. Choosing
// an entry writes the texture section at once; the menu's commands bring pictures into the skin
// folder or change them and then name the result in the section.
#include <QPointer>
#include <QWidget>
#include <string>
#include "core/skin/skin_document.h"

class QMenu;
class QPushButton;

namespace tessera::ui {

class TextureList;

// The picture menu's commands, in menu order.
enum class TextureCommand {
  Import,
  FrameBuilder,
  QuickImport,
  MakeCopy,
  Rename,
  CutFromLargerGraphic,
  FlipToVertical,
  FlipToHorizontal,
};

class TexturePicker : public QWidget {
  Q_OBJECT
 public:
  TexturePicker(SkinDocument* document, const QString& caption, const char* section, QWidget* parent = nullptr);

  const char* section() const { return section_; }
  // Lists the pictures again and selects the section's stored texture.
  void refill();
  TextureList* list() const { return list_; }
  QPushButton* editButton() const { return editButton_; }
  QPushButton* menuButton() const { return menuButton_; }

  // The ">" menu (the caller owns it).
  QMenu* buildCommandMenu(QWidget* parent);
  void runCommand(TextureCommand command);

 signals:
  // The section's texture was written (by a choice or a command).
  void textureWritten();
  // A command added or renamed pictures: every list of the window should be read again.
  void picturesChanged();
  // A flip rewrote the selected picture in place.
  void pictureRewritten();

 private:
  QPointer<SkinDocument> document_;
  void choose(const std::string& value);
  void showCommandMenu();
  void acceptNewValue(const std::string& value);
  void copyOrRename(bool rename, const std::string& source);

  const char* section_;
  TextureList* list_ = nullptr;
  QPushButton* editButton_ = nullptr;
  QPushButton* menuButton_ = nullptr;
};

}  // namespace tessera::ui
