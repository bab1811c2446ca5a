#include "core/pages/caption_keys.h"

#include <gtest/gtest.h>

#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class CaptionKeysTest : public testing::SheetEnvironmentTest {};

TEST_F(CaptionKeysTest, NoIconMarginsFollowTheNormalMarginsUntilTheyHaveKeys) {
  openSkin("[Caption]\r\nTextLeftShift=12\r\nTextRightShift=-4\r\nTextRightShiftNoIcon=9\r\n"
           "[Personality]\r\nTextShift=3\r\nTextAlignment=2\r\n");
  const CaptionMarginValues caption = ReadCaptionMargins(kCaptionLayoutMargins);
  EXPECT_EQ(caption.leftNoIcon, 12);
  EXPECT_EQ(caption.right, -4);
  EXPECT_EQ(caption.rightNoIcon, 9);
  const CaptionMarginValues personality = ReadCaptionMargins(kPersonalityMargins);
  EXPECT_EQ(personality.alignment, 2);
  EXPECT_EQ(personality.leftNoIcon, 3);
  EXPECT_EQ(personality.rightNoIcon, 0);
}

TEST_F(CaptionKeysTest, ClickActionsStoreTheEntryLessOneAndRemoveTheKeyForTheDefault) {
  openSkin("[Caption]\r\nDoubleClickAction=3\r\nRightClickAction=40\r\n");
  EXPECT_EQ(ReadClickActionEntry(kDoubleClickAction), 4);
  EXPECT_EQ(ReadClickActionEntry(kRightClickAction), -1);
  WriteClickActionEntry(kRightClickAction, 8);
  EXPECT_EQ(skinValue("Caption", "RightClickAction"), "7");
  WriteClickActionEntry(kDoubleClickAction, 0);
  EXPECT_FALSE(skinValue("Caption", "DoubleClickAction"));
  EXPECT_EQ(ReadClickActionEntry(kDoubleClickAction), 0);
}

TEST(FontObjects, CountFromOneAndTreat255AndNonPositiveAsTheSystemFont) {
  const std::vector<int> numbers = {0, 1, 4};
  EXPECT_EQ(FontObjectRow(numbers, 255), 0);
  EXPECT_EQ(FontObjectRow(numbers, 0), 0);
  EXPECT_EQ(FontObjectRow(numbers, -3), 0);
  EXPECT_EQ(FontObjectRow(numbers, 1), 1);
  EXPECT_EQ(FontObjectRow(numbers, 5), 3);
  EXPECT_EQ(FontObjectRow(numbers, 3), -1);
  EXPECT_EQ(FontObjectForRow(numbers, 1), 1);
  EXPECT_EQ(FontObjectForRow(numbers, 3), 5);
  EXPECT_EQ(FontObjectForRow(numbers, 0), std::nullopt);
}

TEST_F(CaptionKeysTest, ColoursAreThreeKeysAndFontsFourKeys) {
  openSkin("[Personality]\r\nActiveTextR=300\r\nActiveTextG=20\r\n[Fonts]\r\nFontName=Old\r\nFontItalics=1\r\n");
  EXPECT_EQ(ReadRgbKeys(kActiveTextColourKeys), QColor(255, 20, 0));
  WriteRgbKeys(kShadowColourKeys, QColor(10, 200, 30));
  EXPECT_EQ(skinValue("Text", "ShadowTextR"), "10");
  EXPECT_EQ(skinValue("Text", "ShadowTextG"), "200");
  EXPECT_EQ(skinValue("Text", "ShadowTextB"), "30");

  const StoredFont old = ReadStoredFont("Fonts");
  EXPECT_EQ(old.name, "Old");
  EXPECT_EQ(old.height, 0);
  EXPECT_TRUE(old.italic);
  WriteStoredFont("Fonts", StoredFont{"Tahoma", 9, 700, false});
  EXPECT_EQ(skinValue("Fonts", "FontName"), "Tahoma");
  EXPECT_EQ(skinValue("Fonts", "FontHeight"), "9");
  EXPECT_EQ(skinValue("Fonts", "FontWeight"), "700");
  EXPECT_EQ(skinValue("Fonts", "FontItalics"), "0");
}

TEST_F(CaptionKeysTest, ShadowYOffsetDefaultsToTheXOffset) {
  openSkin("[Text]\r\nShadowOffset=3\r\n");
  EXPECT_EQ(ReadIntOr("Text", "ShadowOffsetY", "ShadowOffset", 1), 3);
  openSkin("[Text]\r\n");
  EXPECT_EQ(ReadIntOr("Text", "ShadowOffsetY", "ShadowOffset", 1), 1);
}

TEST(FreeText, IsQuotedOnlyWhenAnIniReadWouldChangeIt) {
  EXPECT_EQ(StoredFormOfFreeText("Window"), "Window");
  EXPECT_EQ(StoredFormOfFreeText("a \"b\" c"), "a \"b\" c");
  EXPECT_EQ(StoredFormOfFreeText(" - "), "\" - \"");
  EXPECT_EQ(StoredFormOfFreeText("\"x\""), "\"\"x\"\"");
  EXPECT_EQ(StoredFormOfFreeText(""), "");
}

}  // namespace
}  // namespace tessera
