#pragma once
// An open skin "S", pictures of one colour or of distinct pixels, and file pickers answered
// with a path.
#include <QPushButton>
#include <QTest>
#include <string>

#include "core/image/image_file.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "sheet/sheet_fixture.h"
#include "support/scripted_file_picker.h"
#include "ui_skin/dialog_test_support.h"

namespace tessera::ui::testing {

template <typename Button = QPushButton>
Button* ButtonNamed(QWidget* dialog, const QString& text) {
  for (Button* button : dialog->findChildren<Button*>()) {
    if (button->text() == text) return button;
  }
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

// Clicks the button `text` of `dialog`, answering the file picker it opens with `path`; the
// picker's request.
inline FilePickerRequest ClickAnsweringPicker(QWidget* dialog, const QString& text, const std::string& path) {
  ScriptedFilePicker picker;
  picker.choose(path);
  if (QPushButton* button = ButtonNamed(dialog, text)) QTest::mouseClick(button, Qt::LeftButton);
  return picker.lastRequest();
}

class StripDialogTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  // A picture whose pixel (x, y) is opaque with red = x and green = y.
  std::string writeGradient(std::string_view relative, int width, int height) {
    auto image = CreateImage(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) image->setPixelAt(x, y, MakePixel(0, y, x, 255));
    return writePicture(relative, *image);
  }
  std::string writeFilled(std::string_view relative, int width, int height, std::uint32_t colour) {
    auto image = CreateImage(width, height);
    image->fill(colour);
    return writePicture(relative, *image);
  }
  std::string writePicture(std::string_view relative, const ImageBuffer& image) {
    const std::string path = temp.file(relative);
    files::createFolders(std::string(paths::parentFolder(path)));
    EXPECT_TRUE(SaveImageFile(path, image, false));
    return path;
  }
};

}  // namespace tessera::ui::testing
