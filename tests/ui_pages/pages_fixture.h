#pragma once
// An open skin "S" with pictures of its own, and the settings the slot pages read.
#include <QTest>
#include <string>

#include "core/image/image_file.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/settings.h"
#include "sheet/sheet_fixture.h"

namespace tessera::ui::testing {

class PagesTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  std::string skinFile(std::string_view name) const { return temp.file("skins/S/" + std::string(name)); }
  // A picture with a translucent left column, so it counts as having alpha.
  void writePicture(std::string_view name, int width = 8, int height = 4) const {
    auto image = CreateImage(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) image->setPixelAt(x, y, MakePixel(20, 90, 200, x == 0 ? 100 : 255));
    const std::string path = std::string(name).find('/') == std::string::npos ? skinFile(name) : std::string(name);
    files::createFolders(std::string(paths::parentFolder(path)));
    ASSERT_TRUE(SaveImageFile(path, *image, false));
  }
  void setExperienced(bool on) const { WriteSetting(settings::UIMode, on ? 1 : 0); }
};

}  // namespace tessera::ui::testing
