// The renderer reads skin colours as the editor does: channels outside 0..255 are clamped.
#include "standin/render/skin_colours.h"

#include <gtest/gtest.h>

#include "standin/render/skin_model.h"
#include "support/temp_dir.h"

namespace tessera::render {
namespace {

TEST(RendererColours, ChannelsOutsideTheRangeAreClampedOnEveryPath) {
  testing::TempDir temp;
  const std::string uis = temp.write("skins/test/test.uis",
                                     "[Colours]\r\nActiveTitle=300 -5 128\r\n"
                                     "[Colour1]\r\nColour=300 -5 128\r\n"
                                     "[Colour2]\r\nR=300\r\nG=-5\r\nB=128\r\n"
                                     "[Colour3]\r\nG=7\r\n"
                                     "[Text]\r\nShadowTextR=300\r\nShadowTextG=-5\r\nShadowTextB=128\r\n");
  const SkinModel skin(uis);
  const QColor clamped(255, 0, 128);
  EXPECT_EQ(SkinSystemColour(skin, 2), MakeColorRef(255, 0, 128));
  EXPECT_EQ(PresetColour(skin, 1), clamped);
  EXPECT_EQ(PresetColour(skin, 2), clamped);
  EXPECT_EQ(PresetColour(skin, 3), std::nullopt);  // the older form needs R
  EXPECT_EQ(ColourFromKeys(skin, "Text", "ShadowTextR", "ShadowTextG", "ShadowTextB"), clamped);
}

}  // namespace
}  // namespace tessera::render
