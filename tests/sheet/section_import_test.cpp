#include "core/sheet/section_import.h"

#include <gtest/gtest.h>

#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class SectionImportTest : public testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    catalogue("subsections.ini",
              "[Button]\r\nDescription=Push button\r\n[CheckBox]\r\nDescription=Check box\r\n"
              "[Taskbar.Button]\r\nAlternativeFile=1\r\nDescription=Task button\r\n");
    openSkin("[Button]\r\nImage=s\\button.tga\r\nTopHeight=4\r\nFontColour=2\r\n"
             "[CheckBox]\r\nImage=s\\check.tga\r\nGlyph=s\\tick.tga\r\nTopHeight=9\r\n"
             "[Uncatalogued]\r\nX=1\r\n",
             "[Taskbar.Button]\r\nImage=s\\task.tga\r\nLeftWidth=3\r\n");
  }
};

TEST_F(SectionImportTest, SourcesAreCataloguedMainSectionsThenCompanionSections) {
  std::vector<std::string> rows;
  for (const auto& source : ImportSources(dataFolder())) rows.push_back(source.rowText());
  EXPECT_EQ(rows, (std::vector<std::string>{"Button (Push button)", "CheckBox (Check box)",
                                            "Taskbar.Button\t\t (Task button)"}));
}

TEST_F(SectionImportTest, CopiesEverythingIncludingTheImage) {
  ASSERT_TRUE(ImportSection("CheckBox", "Button", false));
  EXPECT_EQ(skinValue("Button", "Image"), "s\\check.tga");
  EXPECT_EQ(skinValue("Button", "Glyph"), "s\\tick.tga");
  EXPECT_EQ(skinValue("Button", "TopHeight"), "9");
  // The whole section is replaced: keys the source lacks are gone.
  EXPECT_FALSE(skinValue("Button", "FontColour"));
  EXPECT_EQ(Session().modified, 1);
}

TEST_F(SectionImportTest, KeepsItsOwnPictureKeysWhenAsked) {
  ASSERT_TRUE(ImportSection("CheckBox", "Button", true));
  EXPECT_EQ(skinValue("Button", "Image"), "s\\button.tga");
  EXPECT_EQ(skinValue("Button", "TopHeight"), "9");
  // The target had no glyph: it stays without one rather than taking the source's or an empty key.
  EXPECT_FALSE(skinValue("Button", "Glyph"));
  EXPECT_FALSE(skinValue("Button", "GlyphMask"));
}

TEST_F(SectionImportTest, ReadsAndWritesRoutedFiles) {
  ASSERT_TRUE(ImportSection("Taskbar.Button", "Button", true));
  EXPECT_EQ(skinValue("Button", "LeftWidth"), "3");
  EXPECT_EQ(skinValue("Button", "Image"), "s\\button.tga");
  ASSERT_TRUE(ImportSection("CheckBox", "Taskbar.Button", false));
  EXPECT_EQ(profile::FindValue("Taskbar.Button", "TopHeight", Session().companionFiles[0]), "9");
  EXPECT_FALSE(profile::FindValue("Taskbar.Button", "LeftWidth", Session().companionFiles[0]));
}

TEST_F(SectionImportTest, LongSectionsAreCopiedWhole) {
  std::string text = "[Big]\r\n";
  for (int i = 0; i < 800; ++i) text += "Key" + std::to_string(i) + "=some value number " + std::to_string(i) + "\r\n";
  openSkin(text + "[Button]\r\nImage=x\r\n");
  ASSERT_TRUE(ImportSection("Big", "Button", false));
  EXPECT_EQ(skinValue("Button", "Key799"), "some value number 799");
}

TEST_F(SectionImportTest, NothingIsWrittenWhileWritesAreDisabled) {
  DisableSkinWrites();
  EXPECT_FALSE(ImportSection("CheckBox", "Button", false));
  EXPECT_EQ(skinValue("Button", "Image"), "s\\button.tga");
  EXPECT_EQ(Session().modified, 0);
}

}  // namespace
}  // namespace tessera
