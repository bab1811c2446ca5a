// Every reader of a colour from a skin clamps a channel outside 0..255 the same way.
#include "core/colours/colour_value.h"

#include <gtest/gtest.h>

#include "core/colours/colour_presets.h"
#include "core/colours/skin_colours.h"
#include "core/colours/skin_fonts.h"
#include "core/pages/caption_keys.h"
#include "core/pages/settings_colours.h"
#include "core/sheet/extra_settings.h"
#include "core/sheet/skin_presets.h"
#include "core/skin/skin_files.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

using ColourValueTest = testing::SheetEnvironmentTest;

constexpr ColorRef kClamped = MakeColorRef(255, 0, 128);

TEST(ColourValue, ChannelsOutsideTheRangeAreClamped) {
  EXPECT_EQ(ParseColourText("300 -5 128"), kClamped);
  EXPECT_EQ(ParseColourText("99999999999999999999 -99999999999999999999 128"), kClamped);
  EXPECT_EQ(ColourFromChannels(256, -1, 128), kClamped);
  EXPECT_EQ(ClampChannel(-300), 0);
  EXPECT_EQ(ClampChannel(255), 255);
  EXPECT_EQ(ParseRgbValue("300, -5, 128"), kClamped);
}

TEST_F(ColourValueTest, EveryReaderOfASkinColourClamps) {
  const std::string file = openSkin(
      "[Colours]\r\nActiveTitle=300 -5 128\r\nBackground=300 -5 128\r\n"
      "[Colour1]\r\nColour=300 -5 128\r\n"
      "[Colour2]\r\nR=300\r\nG=-5\r\nB=128\r\n"
      "[Font3]\r\nFontName=Sans\r\nShadowR=300\r\nShadowG=-5\r\nShadowB=128\r\n"
      "[Personality]\r\nActiveTextR=300\r\nActiveTextG=-5\r\nActiveTextB=128\r\n"
      "[Button]\r\nBackColourR=300\r\nBackColourG=-5\r\nBackColourB=128\r\n");
  EXPECT_EQ(ReadSkinColourByKey("ActiveTitle", 2, file), kClamped);
  EXPECT_EQ(ReadDesktopColour(file), kClamped);
  EXPECT_EQ(ReadPresetColour(1, file), kClamped);
  EXPECT_EQ(ReadPresetColour(2, file), kClamped);
  const std::vector<ColourPreset> presets = SkinColourPresets();
  ASSERT_EQ(presets.size(), 2u);
  EXPECT_EQ(presets[0].colour, kClamped);
  EXPECT_EQ(presets[1].colour, kClamped);
  EXPECT_EQ(ReadFontSettings(3, file).shadowColour, kClamped);
  EXPECT_EQ(ReadRgbKeys(kActiveTextColourKeys), QColor(255, 0, 128));
  const ColourEntry back{"Background Colour", {"BackColourR", "BackColourG", "BackColourB"}};
  EXPECT_EQ(ReadColourEntry("Button", back), (Rgb{255, 0, 128}));
}

TEST_F(ColourValueTest, EmptyValuesStillMeanNoColour) {
  const std::string file = openSkin("[Colours]\r\nBackground=\r\n[Colour4]\r\nG=40\r\n");
  EXPECT_EQ(ReadDesktopColour(file), PlatformSystemColour(kDesktopColourIndex));
  // The older form without R is full red.
  EXPECT_EQ(ReadPresetColour(4, file), MakeColorRef(255, 40, 0));
}

}  // namespace
}  // namespace tessera
