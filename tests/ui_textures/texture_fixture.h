#pragma once
// A skin "S" of a private environment with an undo journal, pictures written on demand, and the
// preview library stand-in bound to it when a test draws.
#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <memory>
#include <string>

#include "core/app/preview_engine.h"
#include "core/app/qimage_bridge.h"
#include "core/engine/engine_libraries.h"
#include "core/image/image_file.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera::ui {

class TextureSkinTest : public tessera::testing::EnvironmentTest {
 protected:
  void openSkin(const std::string& uisText) {
    mainFile = writeSkin("S", uisText);
    Session().mainFile = mainFile;
    Session().skinName = "S";
    Session().desktopColour = MakeColorRef(0, 0, 0);
    document = std::make_unique<SkinDocument>(paths::join(skinsFolder(), "S"));
  }
  void TearDown() override {
    if (Preview().isBound()) Preview().unbind();
    document.reset();
    EnvironmentTest::TearDown();
  }
  // A picture of one colour in the skin folder, written as TGA.
  void writePicture(const std::string& name, QColor colour, QSize size = QSize(8, 8)) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    ASSERT_TRUE(SaveImageFile(paths::join(paths::join(skinsFolder(), "S"), name), *FromQImage(image), false));
  }
  void writeBytes(const std::string& name, const std::string& bytes) { temp.write("skins/S/" + name, bytes); }
  // The key as the skin file holds it now; "<none>" when it is missing.
  std::string skinValue(const std::string& section, const std::string& key) {
    profile::ClearCache();
    return profile::FindValue(section, key, mainFile).value_or("<none>");
  }
  bool hasSection(const std::string& section) {
    profile::ClearCache();
    for (const std::string& name : profile::SectionNames(mainFile))
      if (name == section) return true;
    return false;
  }
  void bindPreview() {
    static DynamicLibrary module(ModulePath(tessera::testing::StandinFolder(), "vuzudiv"));
    BindPreviewLibrary(module);
    ASSERT_TRUE(Preview().isBound());
    Preview().LoadUISFile(mainFile);
  }
  static void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  std::string mainFile;
  std::unique_ptr<SkinDocument> document;
};

}  // namespace tessera::ui
