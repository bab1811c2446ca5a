#include "core/colours/skin_fonts.h"

#include <gtest/gtest.h>

#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

using FontsTest = testing::SheetEnvironmentTest;

TEST_F(FontsTest, PresetsAndSystemFontsListWithTheirDefaultNames) {
  const std::string file = openSkin(
      "[Font3]\r\nFontName=Tahoma\r\n"
      "[Font4]\r\nFontName=Verdana\r\nFontHeight=-11\r\nName=Menu text\r\n"
      "[Font6]\r\nName=No face\r\n"
      "[SystemFont1]\r\nFontName=Arial\r\nFontHeight=-8\r\n"
      "[SystemFont12]\r\nFontName=Courier\r\n");
  const std::vector<FontRow> presets = ListFontPresets(file);
  ASSERT_EQ(presets.size(), 2u);
  EXPECT_EQ(presets[0].itemData, 3);
  EXPECT_EQ(presets[0].text, "Font 3 - Tahoma");
  EXPECT_EQ(presets[0].height, 8);
  EXPECT_EQ(presets[1].text, "Menu text");
  EXPECT_EQ(presets[1].height, -11);

  const std::vector<FontRow> system = ListSystemFonts(file);
  ASSERT_EQ(system.size(), 2u);
  EXPECT_EQ(system[0].itemData, 101);
  EXPECT_EQ(system[0].text, "Font 1 - Arial");
  EXPECT_EQ(system[1].itemData, 112);
  // The role lists offer the first ten only.
  EXPECT_EQ(ListSystemFonts(file, kRoleSystemFontCount).size(), 1u);
}

TEST_F(FontsTest, FirstSystemFontIsNumberZeroAndLaterOnesFollowTheLast) {
  const std::string file = openSkin("");
  EXPECT_EQ(AddSystemFont(std::nullopt, file), 100);
  EXPECT_EQ(skinValue("SystemFont0", "FontName"), "Arial");
  EXPECT_EQ(skinValue("SystemFont0", "FontHeight"), "-8");
  EXPECT_EQ(AddSystemFont(101, file), 102);
  EXPECT_EQ(skinValue("SystemFont2", "FontName"), "Arial");
  EXPECT_EQ(AddSystemFont(149, file), std::nullopt);
  EXPECT_FALSE(skinValue("SystemFont50", "FontName"));
}

TEST_F(FontsTest, PresetsStopAtFifty) {
  const std::string file = openSkin("");
  EXPECT_EQ(AddFontPreset(std::nullopt, file), 0);
  EXPECT_EQ(skinValue("Font0", "FontName"), "Arial");
  EXPECT_FALSE(skinValue("Font0", "FontHeight"));
  EXPECT_EQ(AddFontPreset(48, file), 49);
  EXPECT_EQ(AddFontPreset(49, file), std::nullopt);
  EXPECT_FALSE(skinValue("Font50", "FontName"));
}

TEST_F(FontsTest, RolesHoldTheSystemFontNumberOrNothing) {
  const std::string file = openSkin("[SystemFonts]\r\nSystemMenu=1\r\n");
  EXPECT_EQ(ReadFontRole("SystemMenu", file), 1);
  EXPECT_EQ(ReadFontRole("SystemIcon", file), std::nullopt);
  WriteFontRole("SystemIcon", 0, file);
  EXPECT_EQ(skinValue("SystemFonts", "SystemIcon"), "0");
  WriteFontRole("SystemMenu", std::nullopt, file);
  EXPECT_FALSE(skinValue("SystemFonts", "SystemMenu"));
}

TEST_F(FontsTest, SettingsReadTheirDefaults) {
  const std::string file = openSkin("[Font1]\r\nFontName=Tahoma\r\nShadowOffset=3\r\n");
  const FontSettings s = ReadFontSettings(1, file);
  EXPECT_EQ(s.fontName, "Tahoma");
  EXPECT_EQ(s.heightText, "8");
  EXPECT_EQ(s.weightIndex, 3);
  EXPECT_EQ(s.drawingStyle, 0);
  EXPECT_FALSE(s.italics);
  EXPECT_FALSE(s.rotated);
  EXPECT_EQ(s.shadowOffsetX, 3);
  EXPECT_EQ(s.shadowOffsetY, 3);  // Y defaults to X
}

TEST_F(FontsTest, SettingsWriteTheirStoredForms) {
  const std::string file = openSkin("[Font1]\r\nFontName=Tahoma\r\nItalics=1\r\nFontAngle=900\r\n");
  FontSettings s;
  s.fontName = "Verdana";
  s.heightText = "-11";
  s.weightIndex = 6;
  s.drawingStyle = 4;
  s.underline = true;
  s.shadowColour = MakeColorRef(1, 2, 3);
  WriteFontSettings(1, s, file);
  EXPECT_EQ(skinValue("Font1", "FontName"), "Verdana");
  EXPECT_EQ(skinValue("Font1", "FontHeight"), "-11");
  EXPECT_EQ(skinValue("Font1", "FontWeight"), "700");
  EXPECT_EQ(skinValue("Font1", "DrawingStyle"), "4");
  EXPECT_FALSE(skinValue("Font1", "Italics"));
  EXPECT_EQ(skinValue("Font1", "Underline"), "1");
  EXPECT_EQ(skinValue("Font1", "ShadowR"), "1");
  EXPECT_EQ(skinValue("Font1", "ShadowG"), "2");
  EXPECT_EQ(skinValue("Font1", "ShadowB"), "3");
  EXPECT_FALSE(skinValue("Font1", "FontAngle"));

  // Nothing chosen: face, height, weight and style stay as they were.
  FontSettings nothingChosen;
  nothingChosen.heightText.clear();
  WriteFontSettings(1, nothingChosen, file);
  EXPECT_EQ(skinValue("Font1", "FontName"), "Verdana");
  EXPECT_EQ(skinValue("Font1", "FontHeight"), "-11");
  EXPECT_EQ(skinValue("Font1", "FontWeight"), "700");
}

TEST_F(FontsTest, ShadowOffsetsReadBackAsWritten) {
  const std::string file = openSkin("[Font2]\r\nFontName=Tahoma\r\nShadowOffset=4\r\nShadowOffsetY=5\r\n");
  auto writeOffsets = [&](int x, int y) {
    FontSettings s = ReadFontSettings(2, file);
    s.shadowOffsetX = x;
    s.shadowOffsetY = y;
    WriteFontSettings(2, s, file);
    return ReadFontSettings(2, file);
  };
  FontSettings back = writeOffsets(1, 1);
  EXPECT_FALSE(skinValue("Font2", "ShadowOffset"));
  EXPECT_FALSE(skinValue("Font2", "ShadowOffsetY"));

  back = writeOffsets(2, 1);
  EXPECT_EQ(skinValue("Font2", "ShadowOffset"), "2");
  EXPECT_EQ(back.shadowOffsetX, 2);
  EXPECT_EQ(back.shadowOffsetY, 1);

  back = writeOffsets(3, 3);
  EXPECT_EQ(skinValue("Font2", "ShadowOffset"), "3");
  EXPECT_FALSE(skinValue("Font2", "ShadowOffsetY"));
  EXPECT_EQ(back.shadowOffsetY, 3);

  back = writeOffsets(1, 2);
  EXPECT_FALSE(skinValue("Font2", "ShadowOffset"));
  EXPECT_EQ(back.shadowOffsetX, 1);
  EXPECT_EQ(back.shadowOffsetY, 2);
}

TEST_F(FontsTest, NameOfASystemFontGoesToItsOwnSection) {
  const std::string file = openSkin("[SystemFont3]\r\nFontName=Arial\r\n[Font3]\r\nFontName=Tahoma\r\n");
  WriteFontName(103, "Captions", file);
  EXPECT_EQ(skinValue("SystemFont3", "Name"), "Captions");
  EXPECT_FALSE(skinValue("Font3", "Name"));
  WriteFontName(103, "", file);
  EXPECT_FALSE(skinValue("SystemFont3", "Name"));
}

}  // namespace
}  // namespace tessera
