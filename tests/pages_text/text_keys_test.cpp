#include "core/pages/text_keys.h"

#include <gtest/gtest.h>

#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class TextKeysTest : public testing::SheetEnvironmentTest {};

TEST(TextStateKeys, ColourAndFontKeysFollowTheirOwnTableNotTheAlignmentSuffix) {
  const TextStateKeys mouseOver = TextKeysForState(2);
  EXPECT_EQ(mouseOver.horizontalAlignment, "TextHorzAlignMouseOver");
  EXPECT_EQ(mouseOver.verticalAlignment, "TextVertAlignMouseOver");
  EXPECT_EQ(mouseOver.colour, "DisabledColour");
  EXPECT_EQ(mouseOver.font, "DisabledFont");
  EXPECT_EQ(TextKeysForState(3).colour, "FocusColour");
  EXPECT_EQ(TextKeysForState(5).font, "FocusPressedFont");
  EXPECT_EQ(TextKeysForState(6).horizontalAlignment, "TextHorzAlignActivatedAndHighlighted");
  EXPECT_EQ(TextKeysForState(6).colour, "NormalColour");
  EXPECT_EQ(TextKeysForState(8).horizontalAlignment, "TextHorzAlignNormal");
  EXPECT_EQ(TextKeysForState(9).colour, "GroupColour");
  EXPECT_EQ(TextKeysForState(9).verticalAlignment, "TextVertAlignNormal");
  for (int outside : {-1, 10, 40}) {
    EXPECT_EQ(TextKeysForState(outside).horizontalAlignment, "TextHorzAlignNormal") << outside;
    EXPECT_EQ(TextKeysForState(outside).font, "NormalFont") << outside;
  }
}

TEST_F(TextKeysTest, StateValuesReadTheirOwnKeysWithDefaults) {
  openSkin("[Btn]\r\nTextHorzAlignPressed=3\r\nPressedColour=4\r\nNormalFont=1\r\n");
  const TextStateValues pressed = ReadTextState("Btn", 1);
  EXPECT_EQ(pressed.horizontalAlignment, 3);
  EXPECT_EQ(pressed.verticalAlignment, 0);
  EXPECT_EQ(pressed.colourPreset, 4);
  EXPECT_EQ(pressed.fontPreset, kNoPresetChosen);
  EXPECT_EQ(ReadTextState("Btn", 0).fontPreset, 1);
}

TEST_F(TextKeysTest, PresetKeyOfNoPresetIsRemovedNotWrittenAsMinusOne) {
  openSkin("[Btn]\r\nNormalColour=3\r\n");
  WritePresetKey("Btn", "NormalColour", std::nullopt);
  EXPECT_FALSE(skinValue("Btn", "NormalColour"));
  WritePresetKey("Btn", "NormalColour", 7);
  EXPECT_EQ(skinValue("Btn", "NormalColour"), "7");
}

TEST(PresetRows, RowsFollowPresetNumbersAcrossGaps) {
  const std::vector<int> numbers = {0, 2, 5};
  EXPECT_EQ(PresetRowForValue(numbers, -1), 0);
  EXPECT_EQ(PresetRowForValue(numbers, 2), 2);
  EXPECT_EQ(PresetRowForValue(numbers, 5), 3);
  EXPECT_EQ(PresetRowForValue(numbers, 1), -1);
  EXPECT_EQ(PresetRowForValue(numbers, kNoPresetChosen), -1);
  EXPECT_EQ(PresetForRow(numbers, 0), std::nullopt);
  EXPECT_EQ(PresetForRow(numbers, 3), 5);
  EXPECT_EQ(PresetForRow(numbers, 4), std::nullopt);
}

TEST_F(TextKeysTest, CatalogueEntryGivesStatesNoContentAndThemePart) {
  catalogue("subsections.ini", "[Btn]\r\nStateList=3\r\nNoContent=1\r\nThemePart=BUTTON\r\n[Plain]\r\n");
  catalogue("statelist.ini", "[3]\r\nNormal=1\r\nPressed=2\r\n");
  openSkin("");
  const TextPageCatalogue btn = ReadTextPageCatalogue("Btn");
  EXPECT_EQ(btn.stateNames, (std::vector<std::string>{"Normal", "Pressed"}));
  EXPECT_TRUE(btn.noContent);
  EXPECT_EQ(btn.themePart, "BUTTON");
  EXPECT_EQ(btn.themePartIndex, 1);
  EXPECT_FALSE(ReadTextPageCatalogue("Plain").noContent);
}

}  // namespace
}  // namespace tessera
