#pragma once
// An open skin "S", pictures of one colour or of distinct pixels, and file dialogs answered
// with a path.
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "core/image/image_file.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "sheet/sheet_fixture.h"
#include "ui_skin/dialog_test_support.h"

namespace tessera::ui::testing {

// Answers the dialog with `path`, again until it has closed: the dialog fills its folder view
// in the background and may overwrite the chosen name meanwhile.
inline void AnswerWith(QFileDialog* dialog, const QString& path) {
  dialog->selectFile(path);
  if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(path);
  QMetaObject::invokeMethod(dialog, "accept");
  if (dialog->isVisible()) QTimer::singleShot(20, dialog, [dialog, path] { AnswerWith(dialog, path); });
}

// Answers the next file dialog with `path` and keeps its title.
inline std::shared_ptr<QString> AnswerNextFileDialog(const std::string& path) {
  auto title = std::make_shared<QString>();
  const QString answer = QString::fromStdString(path);
  WhenModal<QFileDialog>([answer, title](QFileDialog* dialog) {
    *title = dialog->windowTitle();
    AnswerWith(dialog, answer);
  });
  return title;
}

template <typename Button = QPushButton>
Button* ButtonNamed(QWidget* dialog, const QString& text) {
  for (Button* button : dialog->findChildren<Button*>()) {
    if (button->text() == text) return button;
  }
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
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
