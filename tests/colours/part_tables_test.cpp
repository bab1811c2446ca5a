#include "core/colours/part_tables.h"

#include <gtest/gtest.h>

#include "core/platform/files.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

constexpr std::string_view kTemplate = "2\r\n1, 0, 0, 51, 153, \r\n3, 1, 255, 0, 0, \r\n";

class PartTablesTest : public testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    for (const char* stem : {"ControlPanel.", "TaskDialog."})
      templatePaths.push_back(catalogue(std::string("TesseraTemplates/Fonts/") + stem + "colours", kTemplate));
    catalogue("vistaBits.ini",
              "[ControlPanel.colours]\r\n1.0=Title\r\n3.1=Link\r\n"
              "[TaskDialog.colours]\r\n1.0=Main instruction\r\n3.1=Expand button text\r\n");
  }
  std::vector<std::string> templatePaths;
};

TEST_F(PartTablesTest, AClassWithoutAKeyListsTheTemplateWithItsDisplayNames) {
  openSkin("[TitlebarSkin]\r\nSkinName=S\r\n");
  EXPECT_EQ(PartClassStem("ControlPanel.VFonts"), "ControlPanel.");
  EXPECT_EQ(PartPathOf("ControlPanel.VFonts", PartKind::Colours, mainFile()),
            "Tessera7\\TesseraTemplates\\Fonts\\ControlPanel.colours");
  EXPECT_EQ(PartPathOf("ControlPanel.VFonts", PartKind::Fonts, mainFile()),
            "Tessera7\\TesseraTemplates\\Fonts\\ControlPanel.font");
  const auto records = LoadPartClass("ControlPanel.VFonts", PartKind::Colours, mainFile());
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].displayName, "Title");
  EXPECT_EQ(records[1].displayName, "Link");
  EXPECT_EQ(records[1].colour, MakeColorRef(255, 0, 0));
  // A table that is not there lists nothing.
  EXPECT_TRUE(LoadPartClass("Flyout.VFonts", PartKind::Colours, mainFile()).empty());
}

TEST_F(PartTablesTest, AChangeWritesTheSkinsOwnTableNamedAfterThePermanentMainFile) {
  openSkin("[TitlebarSkin]\r\nSkinName=S\r\n");
  auto records = LoadPartClass("TaskDialog.VFonts", PartKind::Colours, mainFile());
  ASSERT_EQ(records.size(), 2u);
  records[1].colour = MakeColorRef(10, 20, 30);
  ASSERT_TRUE(SavePartClass("TaskDialog.VFonts", PartKind::Colours, records, mainFile()));

  // No working mark "~" in the key or the file name, so the table survives saving and packing.
  EXPECT_EQ(skinValue("TaskDialog.VFonts", "Colours"), "S\\S.uis_TaskDialog.colours");
  EXPECT_EQ(temp.read("skins/S/S.uis_TaskDialog.colours"), "2\r\n1, 0, 0, 51, 153, \r\n3, 1, 10, 20, 30, \r\n");
  // The shared template stays as it was.
  EXPECT_EQ(files::readAll(templatePaths[1]), std::string(kTemplate));
  // The skin's table reads back with the names of its stem (the text after the last "_").
  const auto reread = LoadPartClass("TaskDialog.VFonts", PartKind::Colours, mainFile());
  ASSERT_EQ(reread.size(), 2u);
  EXPECT_EQ(reread[1].colour, MakeColorRef(10, 20, 30));
  EXPECT_EQ(reread[0].displayName, "Main instruction");
}

TEST_F(PartTablesTest, RevertShowsTheTemplateAgainAndKeepsTheSavedTable) {
  openSkin("[TitlebarSkin]\r\nSkinName=S\r\n");
  auto records = LoadPartClass("ControlPanel.VFonts", PartKind::Colours, mainFile());
  records[0].colour = MakeColorRef(1, 1, 1);
  ASSERT_TRUE(SavePartClass("ControlPanel.VFonts", PartKind::Colours, records, mainFile()));
  EXPECT_EQ(LoadPartClass("ControlPanel.VFonts", PartKind::Colours, mainFile())[0].colour, MakeColorRef(1, 1, 1));

  RevertPartClass("ControlPanel.VFonts", PartKind::Colours, mainFile());
  EXPECT_FALSE(skinValue("ControlPanel.VFonts", "Colours"));
  EXPECT_EQ(LoadPartClass("ControlPanel.VFonts", PartKind::Colours, mainFile())[0].colour, MakeColorRef(0, 51, 153));
  EXPECT_TRUE(files::exists(skinsFolder() + "/S/S.uis_ControlPanel.colours"));
}

TEST_F(PartTablesTest, TablePathsFromTheSkinStayInsideTheSkinsFolder) {
  temp.write("outside.colours", kTemplate);
  openSkin("[ControlPanel.VFonts]\r\nColours=..\\outside.colours\r\n[Flyout.VFonts]\r\nColours=/etc/passwd\r\n");
  EXPECT_TRUE(LoadPartClass("ControlPanel.VFonts", PartKind::Colours, mainFile()).empty());
  EXPECT_TRUE(LoadPartClass("Flyout.VFonts", PartKind::Colours, mainFile()).empty());
  EXPECT_EQ(PartCatalogueSection("My_Skin\\My_Skin.uis_Flyout.font"), "Flyout.font");
  EXPECT_EQ(PartCatalogueSection("Tessera7\\TesseraTemplates\\Fonts\\Flyout.font"), "Flyout.font");
}

}  // namespace
}  // namespace tessera
