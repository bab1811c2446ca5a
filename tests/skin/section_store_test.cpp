#include "core/skin/section_store.h"

#include <gtest/gtest.h>

#include "core/platform/profile.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

class SectionStoreTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    temp.write("skins/Tessera7/subsections.ini",
               "[Taskbar]\r\nAlternativeFile=1\r\n[Explorer]\r\nAlternativeFile=2\r\n[ToolbarIcons.Big]\r\n"
               "AlternativeFile=3\r\n[Button]\r\nDescription=Push button\r\n");
    main = temp.write("skins/S/S.uis~", "[Button]\r\nImage=s\\button.tga\r\n");
    SkinSession& s = Session();
    s.mainFile = main;
    s.skinName = "S";
    for (int i = 0; i < 3; ++i) {
      s.companionFiles[i] = temp.write("skins/S/companion" + std::to_string(i + 1) + ".ini~", "");
    }
  }
  std::string main;
};

TEST_F(SectionStoreTest, RoutesByAlternativeFile) {
  EXPECT_EQ(SkinFileForSection("Button"), main);
  EXPECT_EQ(SkinFileForSection("taskbar"), Session().companionFiles[0]);
  EXPECT_EQ(SkinFileForSection("Explorer"), Session().companionFiles[1]);
  EXPECT_EQ(SkinFileForSection("ToolbarIcons.Big"), Session().companionFiles[2]);
  EXPECT_EQ(SkinFileForSection("Unlisted"), main);
  EXPECT_EQ(SkinFileForSection("Unlisted", 2), Session().companionFiles[1]);
}

TEST_F(SectionStoreTest, LayerSectionsFollowTheirTopLevelSection) {
  // Whichever window writes it (none is open here), a layer lives with its top-level section.
  EXPECT_EQ(SkinFileForSection("Taskbar:Glow"), Session().companionFiles[0]);
  EXPECT_EQ(SkinFileForSection("Taskbar:Glow:L"), Session().companionFiles[0]);
  EXPECT_EQ(SkinFileForSection("Button:Glow"), main);
  // A colon at the very start does not make a layer section.
  EXPECT_EQ(SkinFileForSection(":Glow"), main);
  WriteSkinString("Taskbar:Glow", "Image", "s\\glow.tga", main);
  EXPECT_EQ(profile::ReadString("Taskbar:Glow", "Image", "", Session().companionFiles[0]), "s\\glow.tga");
  EXPECT_EQ(ReadSkinString("Taskbar:Glow", "Image", "", main), "s\\glow.tga");
}

TEST_F(SectionStoreTest, OtherFilesAreNeverRouted) {
  const std::string other = temp.write("other.ini", "");
  WriteSkinString("ToolbarIcons.Big", "Count", "4", other);
  EXPECT_EQ(profile::ReadString("ToolbarIcons.Big", "Count", "", other), "4");
  EXPECT_EQ(profile::ReadString("ToolbarIcons.Big", "Count", "", Session().companionFiles[2]), "");
  // Routing compares the main path byte for byte.
  std::string upperCased = main;
  upperCased.replace(upperCased.size() - 5, 5, "S.UIS~");
  EXPECT_EQ(ReadSkinString("Taskbar", "x", "d", upperCased), "d");
}

TEST_F(SectionStoreTest, WritesSetModifiedAndNullsDelete) {
  EXPECT_EQ(Session().modified, 0);
  EXPECT_EQ(WriteSkinString("Taskbar", "Height", "30", main), 1);
  EXPECT_EQ(Session().modified, 1);
  EXPECT_EQ(ReadSkinInt("Taskbar", "Height", 0, main), 30u);
  WriteSkinString("Button", "Image", std::nullopt, main);
  EXPECT_EQ(ReadSkinString("Button", "Image", "none", main), "none");
  WriteSkinString("Taskbar", std::nullopt, std::nullopt, main);
  EXPECT_TRUE(profile::SectionNames(Session().companionFiles[0]).empty());
}

TEST_F(SectionStoreTest, WritesBeforeTheyAreEnabledAreDroppedAndReportSuccess) {
  DisableSkinWrites();
  EXPECT_EQ(WriteSkinString("Button", "Image", "x", main), 1);
  EXPECT_EQ(ReadSkinString("Button", "Image", "", main), "s\\button.tga");
  EXPECT_EQ(Session().modified, 0);
}

TEST_F(SectionStoreTest, MissingCatalogueRoutesEverythingToTheMainFile) {
  std::remove(temp.file("skins/Tessera7/subsections.ini").c_str());
  EXPECT_EQ(SkinFileForSection("Taskbar"), main);
}

TEST_F(SectionStoreTest, ReadWithBufferSize) {
  char buffer[5];
  EXPECT_EQ(ReadSkinString("Button", "Image", "", buffer, sizeof buffer, main), 4u);
  EXPECT_STREQ(buffer, "s\\bu");
  EXPECT_EQ(ReadSkinString("Button", "Image", "", main, 5), "s\\bu");
}

TEST_F(SectionStoreTest, ReadsWithoutASizeGetTheWholeValue) {
  const std::string longValue = std::string(999, 'v') + "!";
  ASSERT_EQ(WriteSkinString("Taskbar", "Text", longValue, main), 1);
  EXPECT_EQ(ReadSkinString("Taskbar", "Text", "", main), longValue);
  // A long default comes back whole as well, without its trailing blanks.
  const std::string longDefault = std::string(600, 'd');
  EXPECT_EQ(ReadSkinString("Taskbar", "Missing", longDefault + "  ", main), longDefault);
  EXPECT_EQ(ReadSkinString("Taskbar", "Text", "", main, 255), longValue.substr(0, 254));
}

}  // namespace
}  // namespace tessera
