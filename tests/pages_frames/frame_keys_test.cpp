#include "core/pages/frame_keys.h"

#include <gtest/gtest.h>

#include "core/pages/slot_writes.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class FrameKeysTest : public testing::SheetEnvironmentTest {};

TEST_F(FrameKeysTest, FrameCountsDefaultToTwoStayListableAndAreAlwaysWritten) {
  openSkin("[Frame]\r\nShapeFrameCount=0\r\n[Odd]\r\nFrameCount=-3\r\nShapeFrameCount=900\r\n");
  EXPECT_EQ(ReadFrameImageCount("Frame", kFrameCountKey), 2);
  // A count that would leave the frame-number lists empty or endless is bounded.
  EXPECT_EQ(ReadFrameImageCount("Frame", kShapeFrameCountKey), 1);
  EXPECT_EQ(ReadFrameImageCount("Odd", kFrameCountKey), 1);
  EXPECT_EQ(ReadFrameImageCount("Odd", kShapeFrameCountKey), kMaxFrameImageCount);

  WriteFrameImageCount("Frame", kFrameCountKey, kDefaultFrameImageCount);
  EXPECT_EQ(skinValue("Frame", "FrameCount"), "2");
}

TEST_F(FrameKeysTest, FrameIndexDefaultsDifferBetweenFrameAndShapeLists) {
  EXPECT_EQ(DefaultFrameIndex(false, FrameState::Active), 0);
  EXPECT_EQ(DefaultFrameIndex(false, FrameState::Inactive), 1);
  EXPECT_EQ(DefaultFrameIndex(true, FrameState::Active), 0);
  EXPECT_EQ(DefaultFrameIndex(true, FrameState::Inactive), 0);

  openSkin("[Borders]\r\nMDIActiveFrame=3\r\n");
  EXPECT_EQ(ReadFrameIndex("MDIActiveFrame", 0), 3);
  EXPECT_EQ(ReadFrameIndex("MDIInactiveFrame", 1), 1);
  WriteFrameIndex("ShapeMDIDisabledFrame", 2);
  EXPECT_EQ(skinValue("Borders", "ShapeMDIDisabledFrame"), "2");
}

TEST_F(FrameKeysTest, MiddleStretchIsOnOnlyAtOneAndTurningItOffRemovesTheKey) {
  openSkin("[Borders]\r\nLeftMiddleStretch=1\r\nRightMiddleStretch=2\r\nTopMiddleStretch=1\r\n");
  EXPECT_TRUE(ReadMiddleStretch("LeftMiddleStretch"));
  EXPECT_FALSE(ReadMiddleStretch("RightMiddleStretch"));
  EXPECT_FALSE(ReadMiddleStretch("BottomMiddleStretch"));

  WriteMiddleStretch("TopMiddleStretch", false);
  EXPECT_FALSE(skinValue("Borders", "TopMiddleStretch"));
  WriteMiddleStretch("BottomMiddleStretch", true);
  EXPECT_EQ(skinValue("Borders", "BottomMiddleStretch"), "1");
  EXPECT_EQ(skinValue("Borders", "LeftMiddleStretch"), "1");
}

TEST_F(FrameKeysTest, MarginsAreBoundedOnReadAndWrite) {
  openSkin("[Borders]\r\nLeftTopHeight=-5\r\nLeftBotHeight=4000\r\nTopTopHeight=12\r\n");
  EXPECT_EQ(ReadBorderMargin(kBordersSection, "LeftTopHeight"), 0);
  EXPECT_EQ(ReadBorderMargin(kBordersSection, "LeftBotHeight"), kMaxBorderMargin);
  EXPECT_EQ(ReadBorderMargin(kBordersSection, "TopTopHeight"), 12);
  EXPECT_EQ(ReadBorderMargin(kBordersSection, "RightTopHeight"), 0);
  WriteBorderMargin(kBordersSection, "RightBotHeight", 1500);
  EXPECT_EQ(skinValue("Borders", "RightBotHeight"), "1000");
}

// A slot with no older key reads and writes its one key and leaves the rest of the section.
TEST_F(FrameKeysTest, SingleKeySlotsTouchOnlyTheirKey) {
  openSkin("[Frame]\r\nHorzFrame=s\\h.tga\r\nVertFrame=s\\v.tga\r\nFrameCount=3\r\n");
  EXPECT_EQ(ReadSlotValue("Frame", kHorzFrameSlot), "s\\h.tga");
  EXPECT_EQ(ReadSlotValue("Frame", kShapeLeftSlot), "");

  WriteSingleKeySlot("Frame", kShapeRightSlot.key, "s\\r.bmp");
  EXPECT_EQ(skinValue("Frame", "ShapeRightImage"), "s\\r.bmp");
  WriteSingleKeySlot("Frame", kHorzFrameSlot.key, "");
  EXPECT_FALSE(skinValue("Frame", "HorzFrame"));
  EXPECT_EQ(skinValue("Frame", "VertFrame"), "s\\v.tga");
  EXPECT_EQ(skinValue("Frame", "FrameCount"), "3");
}

}  // namespace
}  // namespace tessera
