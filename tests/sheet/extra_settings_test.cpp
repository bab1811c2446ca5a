#include "core/sheet/extra_settings.h"

#include <gtest/gtest.h>

#include "core/sheet/skin_presets.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class ExtraSettingsTest : public testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    catalogue("extras.ini", "[Personality]\r\nMenuShadow=0\r\nEffect=0\r\nHighlight=0\r\nCount=0\r\n");
    catalogue("extraDetails.ini",
              "[MenuShadow]\r\nDescription=Menu shadow\r\nType=2\r\nDefault=1\r\n"
              "[Effect]\r\nSection=Options\r\nName=MinimizeEffect\r\nType=3\r\nVALUE0=None\r\nVALUE1=Slide\r\n"
              "VALUE2=Fade\r\n0=10\r\n1=20\r\n2=30\r\n"
              "[Highlight]\r\nType=7\r\n");
    openSkin("[Personality]\r\nMenuShadow=0\r\n[Options]\r\nMinimizeEffect=20\r\n");
  }
  ExtraEntry entry(std::string_view section, std::size_t index) { return ReadExtraEntries(dataFolder(), section).at(index); }
};

TEST_F(ExtraSettingsTest, EntriesAndTheirDefinitions) {
  const auto entries = ReadExtraEntries(dataFolder(), "Personality");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].name, "MenuShadow");
  EXPECT_EQ(entries[0].definition.description, "Menu shadow");
  EXPECT_EQ(entries[0].definition.section, "Personality");
  EXPECT_EQ(entries[1].definition.section, "Options");
  EXPECT_EQ(entries[1].definition.name, "MinimizeEffect");
  // An entry without a definition is a number on its own key of the current section.
  EXPECT_EQ(entries[3].definition.type, 0);
  EXPECT_EQ(entries[3].definition.name, "Count");
  EXPECT_EQ(entries[3].definition.section, "Personality");
  EXPECT_EQ(entries[3].definition.rangeMax, 255);
}

TEST_F(ExtraSettingsTest, LayerSectionsListTheSixLayerEntries) {
  const auto entries = ReadExtraEntries(dataFolder(), "Button:Glow");
  std::vector<std::string> names;
  for (const auto& e : entries) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{"ContentTop3", "ContentLeft3", "ContentRight3", "ContentBottom3",
                                             "AlignLayerMode", "LayerBlendOrder"}));
  EXPECT_EQ(entries[4].definition.section, "Button:Glow");
}

TEST_F(ExtraSettingsTest, RowValuesByType) {
  EXPECT_EQ(ExtraRowValue(dataFolder(), entry("Personality", 0)), "Disabled");
  // The choice shows the option whose mapped value is stored.
  EXPECT_EQ(ExtraRowValue(dataFolder(), entry("Personality", 1)), "Slide");
  EXPECT_EQ(ExtraRowValue(dataFolder(), entry("Personality", 2)), "not set");
  EXPECT_EQ(ExtraRowValue(dataFolder(), entry("Personality", 3)), "0");
  WriteExtraValue(entry("Personality", 2).definition, "255, 0, 0");
  WriteExtraValue(entry("Personality", 3).definition, "17");
  EXPECT_EQ(ExtraRowValue(dataFolder(), entry("Personality", 2)), "255, 0, 0");
  EXPECT_EQ(ExtraRowValue(dataFolder(), entry("Personality", 3)), "17");
  WriteExtraValue(entry("Personality", 0).definition, std::nullopt);
  EXPECT_FALSE(skinValue("Personality", "MenuShadow"));
  // Missing: the definition's default 1.
  EXPECT_EQ(ExtraRowValue(dataFolder(), entry("Personality", 0)), "Enabled");
}

TEST_F(ExtraSettingsTest, ChoicesMapThroughTheDefinitionKeys) {
  EXPECT_EQ(ChoiceStoredValue(dataFolder(), "Effect", 2), 30);
  EXPECT_EQ(ChoiceOptionForValue(dataFolder(), "Effect", 30), 2);
  // Without keys the option index is stored as it is; unknown values select by themselves.
  EXPECT_EQ(ChoiceStoredValue(dataFolder(), "Undefined", 1), 1);
  EXPECT_EQ(ChoiceOptionForValue(dataFolder(), "Undefined", 0), 0);
  EXPECT_EQ(ChoiceOptionForValue(dataFolder(), "Undefined", 1), 1);
  EXPECT_EQ(ChoiceOptionForValue(dataFolder(), "Undefined", 7), 2);
  EXPECT_EQ(ChoiceOptionForValue(dataFolder(), "Undefined", -3), 2);
}

TEST(RgbValues, FormatAndParse) {
  EXPECT_EQ(FormatRgbValue(MakeColorRef(255, 0, 0)), "255, 0, 0");
  EXPECT_EQ(ParseRgbValue("1 2 3"), MakeColorRef(1, 2, 3));
  EXPECT_EQ(ParseRgbValue("10,20,30"), MakeColorRef(10, 20, 30));
  EXPECT_EQ(ParseRgbValue("10, 20, 300"), MakeColorRef(10, 20, 255));
  EXPECT_FALSE(ParseRgbValue("10, 20"));
  EXPECT_FALSE(ParseRgbValue(""));
}

TEST_F(ExtraSettingsTest, PresetListsSkipGapsAndKeepNumbers) {
  openSkin("[Colour0]\r\nColour=255 0 0\r\nName=Red\r\n[Colour2]\r\nR=0\r\nG=128\r\nName=Old green\r\n"
           "[Colour3]\r\nName=No colour\r\n[Font1]\r\nFontName=Tahoma\r\nFontHeight=9\r\n"
           "[Font4]\r\nFontName=Verdana\r\nName=Titles\r\n");
  const auto colours = SkinColourPresets();
  ASSERT_EQ(colours.size(), 2u);
  EXPECT_EQ(colours[0].label, "Skin colour : Red");
  EXPECT_EQ(colours[0].colour, MakeColorRef(255, 0, 0));
  EXPECT_EQ(colours[1].number, 2);
  EXPECT_EQ(colours[1].label, "Old green");
  EXPECT_EQ(colours[1].colour, MakeColorRef(0, 128, 0));
  const auto fonts = SkinFontPresets();
  ASSERT_EQ(fonts.size(), 2u);
  EXPECT_EQ(fonts[0].number, 1);
  EXPECT_EQ(fonts[0].label, "Tahoma, 9");
  EXPECT_EQ(fonts[1].number, 4);
  EXPECT_EQ(fonts[1].label, "Titles");
}

}  // namespace
}  // namespace tessera
