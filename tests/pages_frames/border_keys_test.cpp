#include "core/pages/border_keys.h"

#include <gtest/gtest.h>

#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class BorderKeysTest : public testing::SheetEnvironmentTest {};

TEST_F(BorderKeysTest, EachBorderHasItsOwnKeys) {
  const BorderKeys& bottom = BorderKeysFor(BorderSide::Bottom);
  EXPECT_STREQ(bottom.caption, "Bottom border");
  EXPECT_STREQ(bottom.image.key, "Bottom");
  EXPECT_STREQ(bottom.frameCountKey, "BottomFrame");
  EXPECT_STREQ(bottom.firstMarginKey, "BottomTopHeight");
  EXPECT_STREQ(bottom.firstMarginCaption, "Left margin : ");
  EXPECT_STREQ(bottom.exampleKey.key, "Preview3");
  const BorderKeys& top = BorderKeysFor(BorderSide::Top);
  EXPECT_STREQ(top.stretchKey, "TopStretch");
  EXPECT_STREQ(top.secondMarginKey, "TopBotHeight");
  EXPECT_STREQ(top.exampleKey.key, "Preview4");
}

TEST_F(BorderKeysTest, ValuesReadWithTheirDefaults) {
  openSkin("[Personality]\r\nLeftStretch=2\r\nRightStretch=1\r\nRightFrame=4\r\nRightTopHeight=9\r\n"
           "RightBotHeight=2000\r\n");
  const BorderValues left = ReadBorderValues(BorderKeysFor(BorderSide::Left), 3);
  EXPECT_EQ(left.frameCount, 3);
  EXPECT_FALSE(left.stretch);  // only exactly 1 is set
  EXPECT_EQ(left.firstMargin, 0);
  const BorderValues right = ReadBorderValues(BorderKeysFor(BorderSide::Right), 3);
  EXPECT_EQ(right.frameCount, 4);
  EXPECT_TRUE(right.stretch);
  EXPECT_EQ(right.firstMargin, 9);
  EXPECT_EQ(right.secondMargin, 1000);
}

TEST_F(BorderKeysTest, TheCatalogueCountRemovesTheFrameKeyAndStretchOffIsWrittenAsZero) {
  openSkin("[Personality]\r\nLeftFrame=5\r\nTopStretch=1\r\n");
  const BorderKeys& left = BorderKeysFor(BorderSide::Left);
  WriteBorderFrameCount(left, 4, 3);
  EXPECT_EQ(skinValue("Personality", "LeftFrame"), "4");
  WriteBorderFrameCount(left, 3, 3);
  EXPECT_FALSE(skinValue("Personality", "LeftFrame"));

  WriteBorderStretch(BorderKeysFor(BorderSide::Top), false);
  EXPECT_EQ(skinValue("Personality", "TopStretch"), "0");
}

TEST_F(BorderKeysTest, CatalogueCountComesFromTheTopLevelSectionAndNotesFromTheSectionItself) {
  catalogue("subsections.ini",
            "[Frame]\r\nImageCount=3\r\nImageNotes=Frame notes\r\nPreview2=right.png\r\nPreview1=..\\..\\x.png\r\n"
            "[Frame:L]\r\nImageCount=7\r\nImageNotes=Layer notes\r\n");
  openSkin("[Personality]\r\n");
  const BorderCatalogue right = ReadBorderCatalogue(BorderKeysFor(BorderSide::Right), "Frame:L", "Frame");
  EXPECT_EQ(right.imageCount, 3);
  EXPECT_EQ(right.notes, "Layer notes");
  const BorderCatalogue own = ReadBorderCatalogue(BorderKeysFor(BorderSide::Right), "Frame", "Frame");
  EXPECT_EQ(own.examplePicture, paths::join(paths::join(DataFolder(), "previews"), "right.png"));
  // An example name that climbs out of the previews folder is not followed.
  EXPECT_EQ(ReadBorderCatalogue(BorderKeysFor(BorderSide::Left), "Frame", "Frame").examplePicture, "");
}

}  // namespace
}  // namespace tessera
