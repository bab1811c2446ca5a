#pragma once
// A fixture on the demo environment with the preview library bound, for tests that open a demo
// skin and draw it. The test target defines TESSERA_TEST_GENERATED_SKINS_DIR.
#include <string>

#include "core/app/preview_engine.h"
#include "core/app/skin_actions.h"
#include "core/engine/engine_startup.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera::testing {

class DemoSkinTest : public EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    ASSERT_TRUE(layOutDemo(TESSERA_TEST_GENERATED_SKINS_DIR));
    BindPreviewLibrary(Engine().previewLibrary);
  }
  void TearDown() override {
    ResetSkin();
    EnvironmentTest::TearDown();
  }
  void open(const std::string& skin) {
    OpenSkin(SkinMainFilePath(skin), BeforeOpen::Reset, nullptr);
    ASSERT_TRUE(Session().isOpen()) << skin;
  }
};

}  // namespace tessera::testing
