#include <gtest/gtest.h>
#include <stdlib.h>

#include "core/engine/engine_libraries.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

std::string standin(const char* name) { return ModulePath(testing::StandinFolder(), name); }

TEST(DynamicLibrary, LoadsByPathAndBindsByName) {
  DynamicLibrary library;
  EXPECT_FALSE(library.load("/no/such/divu.so"));
  EXPECT_EQ(library.symbol("CreateSkinList"), nullptr);
  ASSERT_TRUE(library.load(standin("divu"))) << library.errorString();
  EXPECT_NE(library.symbol("CreateSkinList"), nullptr);
  EXPECT_EQ(library.symbol("NoSuchOperation"), nullptr);
}

TEST(PreviewLibrary, UnboundCallsAreSkipped) {
  PreviewLibrary preview;
  QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  preview.DrawPreview(image, VlRect{0, 0, 10, 10}, 1, 1);
  preview.LoadUISFile("/x.uis");
  EXPECT_EQ(preview.GetColourVal(5, 0x123456), 0x123456u);
  EXPECT_FALSE(preview.LoadUpSection("/x", "S", 1));
  EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
}

class SkinDatabaseTest : public testing::EnvironmentTest {};

TEST_F(SkinDatabaseTest, ListsFoldersHoldingTheirMainFileInAnyCase) {
  writeSkin("Alpha", "[A]\r\n");
  temp.write("skins/beta/BETA.UIS", "[A]\r\n");
  temp.write("skins/NotASkin/readme.txt", "");
  DynamicLibrary library(standin("divu"));
  ASSERT_TRUE(library.isLoaded());
  SkinDatabase db(library);
  db.CreateSkinList();
  EXPECT_EQ(db.PopulateSkinList(), (std::vector<std::string>{"Alpha", "beta"}));
  db.DeleteSkin("alpha");
  db.InsertNewSkin("Gamma");
  EXPECT_EQ(db.PopulateSkinList(), (std::vector<std::string>{"beta", "Gamma"}));
}

}  // namespace
}  // namespace tessera
