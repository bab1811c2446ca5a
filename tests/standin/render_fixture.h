#pragma once
// Skins written into a temporary skins folder and rendered by the renderer, so tests can read
// the pixels of what a section paints.
#include <QColor>
#include <QImage>
#include <string>
#include <string_view>

#include "standin/render/renderer.h"
#include "support/temp_dir.h"

namespace tessera::testing {

class RenderTest : public ::testing::Test {
 protected:
  // Saves a picture into the skin folder "test" and returns its slot value ("test\<name>").
  // ".tga" and ".bmp" go through the program's image writers, anything else through Qt.
  std::string writePicture(std::string_view name, const QImage& picture);
  // Writes the skin's main file and returns its path.
  std::string writeSkin(std::string_view uisText);
  // Loads `section` of the skin and renders it into a `size` surface filled with `background`.
  QImage renderSection(std::string_view section, QSize size, int state = 1, int flags = 0,
                       QColor background = Qt::transparent);

  std::string skinFolder() const { return temp.file("skins/test"); }

  TempDir temp;
  render::Renderer renderer;
};

// A picture of `size` filled with one colour.
QImage SolidPicture(QSize size, QColor colour);
// Compares a pixel of a pre-multiplied image with an opaque colour.
::testing::AssertionResult PixelIs(const QImage& image, int x, int y, QColor colour);
// True when the pixel is fully transparent.
::testing::AssertionResult PixelIsClear(const QImage& image, int x, int y);

}  // namespace tessera::testing
