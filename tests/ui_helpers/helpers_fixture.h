#pragma once
// An open skin "S" with its undo journal, for the helper dialogs around the skin.
#include <QImage>
#include <QPushButton>
#include <memory>
#include <string>
#include <string_view>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/skin/skin_document.h"
#include "sheet/sheet_fixture.h"
#include "support/modal_dialogs.h"
#include "support/scripted_file_picker.h"

namespace tessera::ui::testing {

class HelperDialogTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  void openWithJournal(std::string_view mainText, std::string_view taskbarText = "", std::string_view shellText = "") {
    openSkin(mainText, taskbarText, shellText);
    document = std::make_unique<SkinDocument>(skinFolder());
  }
  void TearDown() override {
    document.reset();
    SheetEnvironmentTest::TearDown();
  }
  std::string skinFolder() const { return temp.file("skins/S"); }
  std::string writeJpeg(std::string_view relative, int width, int height, Qt::GlobalColor colour) {
    const std::string path = temp.file(relative);
    files::createFolders(std::string(paths::parentFolder(path)));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(QString::fromStdString(path), "JPG"));
    return path;
  }
  QString undoText() const { return document->undoStack()->undoText(); }

  std::unique_ptr<SkinDocument> document;
};

inline QPushButton* ButtonWithText(QWidget* window, const QString& text) {
  for (QPushButton* button : window->findChildren<QPushButton*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

// The smallest TrueType file the check accepts: one table whose data lies inside the file.
inline std::string MinimalFontBytes() {
  std::string bytes("\x00\x01\x00\x00" "\x00\x01" "\x00\x10\x00\x00\x00\x00"
                    "glyf" "\x00\x00\x00\x00" "\x00\x00\x00\x1c" "\x00\x00\x00\x04" "DATA",
                    32);
  return bytes;
}

}  // namespace tessera::ui::testing
