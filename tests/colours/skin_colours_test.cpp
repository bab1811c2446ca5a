#include "core/colours/skin_colours.h"

#include <gtest/gtest.h>

#include "core/colours/colour_presets.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

using ColoursTest = testing::SheetEnvironmentTest;

constexpr int kActiveTitle = 2;

TEST_F(ColoursTest, SystemColourReadsTheSkinValueOrThePlatformColour) {
  const std::string file = openSkin("[Colours]\r\nActiveTitle=10 20 30\r\nWindow=\r\nMenuBar=1 2 3\r\n");
  EXPECT_EQ(ReadSkinColourByIndex(kActiveTitle, file), MakeColorRef(10, 20, 30));
  EXPECT_EQ(ReadSkinColourByKey("ActiveTitle", kActiveTitle, file), MakeColorRef(10, 20, 30));
  // Empty and absent keys, and the index without a key, give the platform's colour.
  EXPECT_EQ(ReadSkinColourByIndex(5, file), PlatformSystemColour(5));
  EXPECT_EQ(ReadSkinColourByIndex(3, file), PlatformSystemColour(3));
  EXPECT_EQ(ReadSkinColourByIndex(25, file), PlatformSystemColour(25));
  // The menu bar colour is the skin's own, whichever way it is read.
  EXPECT_EQ(ReadSkinColourByIndex(30, file), MakeColorRef(1, 2, 3));
}

TEST_F(ColoursTest, ColourTextParsesWhatItCanAndCountsMissingNumbersAsZero) {
  EXPECT_EQ(ParseColourText("255 128 7"), MakeColorRef(255, 128, 7));
  EXPECT_EQ(ParseColourText("12 34"), MakeColorRef(12, 34, 0));
  EXPECT_EQ(ParseColourText("9"), MakeColorRef(9, 0, 0));
  EXPECT_EQ(ParseColourText("red green blue"), MakeColorRef(0, 0, 0));
  EXPECT_EQ(FormatColourValue(MakeColorRef(255, 0, 16)), "255 0 16");
}

TEST_F(ColoursTest, ImportWritesThePlatformColourOfEveryListedKey) {
  const std::string file = openSkin("[Colours]\r\nActiveTitle=1 1 1\r\n");
  ImportPlatformColours(file);
  for (const SystemColourKey& entry : kSystemColourListOrder)
    EXPECT_EQ(profile::ReadString("Colours", entry.key, "", file), FormatColourValue(PlatformSystemColour(entry.index)))
        << entry.key;
}

TEST_F(ColoursTest, PresetsListTheirNamesOrTheDefaultNames) {
  const std::string file = openSkin(
      "[Colour2]\r\nColour=0 128 0\r\n"
      "[Colour5]\r\nColour=1 2 3\r\nName=Link blue\r\n"
      "[Colour7]\r\nR=255\r\n"
      "[Colour9]\r\nName=No colour at all\r\n");
  const std::vector<ColourPresetRow> rows = ListColourPresets(file);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].number, 2);
  EXPECT_EQ(rows[0].text, "Skin colour : Colour 2 - 0 128 0");
  EXPECT_EQ(rows[1].text, "Skin colour : Link blue");
  EXPECT_EQ(rows[2].number, 7);
  EXPECT_EQ(rows[2].text, "Skin colour : Colour 7");
  EXPECT_EQ(ReadPresetColour(7, file), MakeColorRef(255, 0, 0));
  EXPECT_EQ(ReadPresetColour(2, file), MakeColorRef(0, 128, 0));
}

TEST_F(ColoursTest, OlderFormClampsItsChannelsAndDefaultsToRed) {
  const std::string file = openSkin("[Colour1]\r\nR=\r\nG=40\r\n[Colour3]\r\nR=300\r\nG=5\r\nB=6\r\n");
  EXPECT_EQ(ReadPresetColour(1, file), MakeColorRef(255, 40, 0));
  EXPECT_EQ(ReadPresetColour(3, file), MakeColorRef(255, 5, 6));
}

TEST_F(ColoursTest, AddingPresetsStopsAfterTheFiftieth) {
  std::string text;
  for (int i = 0; i < kColourPresetLimit; ++i) text += "[Colour" + std::to_string(i) + "]\r\nColour=1 1 1\r\n";
  const std::string file = openSkin(text);
  EXPECT_EQ(AddColourPreset(49, file), std::nullopt);
  EXPECT_FALSE(skinValue("Colour50", "Colour"));

  openSkin("");
  EXPECT_EQ(AddColourPreset(-1, mainFile()), 0);
  EXPECT_EQ(skinValue("Colour0", "Colour"), "0 0 0");
}

TEST_F(ColoursTest, EmptyNameDeletesTheKey) {
  const std::string file = openSkin("[Colour4]\r\nColour=1 2 3\r\nName=Old\r\n");
  WritePresetName(4, "New", file);
  EXPECT_EQ(skinValue("Colour4", "Name"), "New");
  WritePresetName(4, "", file);
  EXPECT_FALSE(skinValue("Colour4", "Name"));
  EXPECT_EQ(skinValue("Colour4", "Colour"), "1 2 3");
}

}  // namespace
}  // namespace tessera
