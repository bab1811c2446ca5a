#include "render_fixture.h"

#include <QPainter>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"

namespace tessera::testing {

std::string RenderTest::writePicture(std::string_view name, const QImage& picture) {
  const std::string path = paths::join(skinFolder(), name);
  files::createFolders(skinFolder());
  const std::string extension = paths::lower(paths::extension(name));
  if (extension == "tga" || extension == "bmp") {
    const auto buffer = FromQImage(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_TRUE(buffer.has_value());
    EXPECT_TRUE(SaveImageFile(path, *buffer, extension == "bmp")) << path;
  } else {
    EXPECT_TRUE(picture.save(QString::fromStdString(path))) << path;
  }
  return "test\\" + std::string(name);
}

std::string RenderTest::writeSkin(std::string_view uisText) {
  profile::ClearCache();
  return temp.write("skins/test/test.uis", uisText);
}

QImage RenderTest::renderSection(std::string_view section, QSize size, int state, int flags, QColor background) {
  QImage surface(size, QImage::Format_ARGB32_Premultiplied);
  surface.fill(background);
  EXPECT_TRUE(renderer.loadSection(temp.file("skins/test/test.uis"), std::string(section), 1));
  renderer.renderSection(surface, surface.rect(), state, flags);
  return surface;
}

QImage SolidPicture(QSize size, QColor colour) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

::testing::AssertionResult PixelIs(const QImage& image, int x, int y, QColor colour) {
  const QRgb pixel = image.pixel(x, y);
  if (qAlpha(pixel) == 255 && qRed(pixel) == colour.red() && qGreen(pixel) == colour.green() &&
      qBlue(pixel) == colour.blue()) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << qRed(pixel) << " " << qGreen(pixel)
                                       << " " << qBlue(pixel) << " alpha " << qAlpha(pixel) << ", expected "
                                       << colour.red() << " " << colour.green() << " " << colour.blue();
}

::testing::AssertionResult PixelIsClear(const QImage& image, int x, int y) {
  const QRgb pixel = image.pixel(x, y);
  if (qAlpha(pixel) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") has alpha " << qAlpha(pixel);
}

}  // namespace tessera::testing
