#include "core/pages/painting_keys.h"

#include <gtest/gtest.h>

#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class PaintingKeysTest : public testing::SheetEnvironmentTest {};

TEST_F(PaintingKeysTest, MissingKeysReadAsDefaultsAndDamagedValuesAreBounded) {
  openSkin("[Plain]\r\n[Odd]\r\nSimpleMode=9\r\nTopHeight=-4\r\nRightWidth=5000\r\nTileLeft=2\r\nTile=7\r\n");
  const PaintingValues plain = ReadPaintingValues("Plain");
  EXPECT_EQ(plain.simpleMode, 0);
  EXPECT_EQ(plain.margins, (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(plain.middleEntry(), 0);
  EXPECT_FALSE(plain.edgesOnly);

  const PaintingValues odd = ReadPaintingValues("Odd");
  EXPECT_EQ(odd.simpleMode, 0);
  EXPECT_EQ(odd.margins[kTopEdge], 0);
  EXPECT_EQ(odd.margins[kRightEdge], kMaxSizingMargin);
  // A flag is on only when it holds 1.
  EXPECT_FALSE(odd.tiled[kLeftEdge]);
  EXPECT_EQ(odd.middleEntry(), 0);
}

TEST_F(PaintingKeysTest, WritesKeepValuesInTheirRanges) {
  openSkin("[Btn]\r\n");
  WriteSizingMargin("Btn", kBottomEdge, 4000);
  WritePaintingMode("Btn", 7);
  WriteMiddleEntry("Btn", 9);
  EXPECT_EQ(skinValue("Btn", "BottomHeight"), "1000");
  EXPECT_EQ(skinValue("Btn", "SimpleMode"), "3");
  EXPECT_EQ(skinValue("Btn", "Tile"), "4");
  EXPECT_EQ(skinValue("Btn", "EdgesOnly"), "0");
}

// A section held by a companion file is written there, not into the main file.
TEST_F(PaintingKeysTest, WritesFollowTheSectionsRoutedFile) {
  catalogue("subsections.ini", "[Taskbar]\r\nAlternativeFile=1\r\n");
  openSkin("[Btn]\r\n", "[Taskbar]\r\n");
  WriteSizingMargin("Taskbar", kTopEdge, 6);
  EXPECT_EQ(skinValue("Taskbar", "TopHeight"), std::nullopt);
  EXPECT_EQ(profile::FindValue("Taskbar", "TopHeight", Session().companionFiles[0]), "6");
  EXPECT_EQ(ReadPaintingValues("Taskbar").margins[kTopEdge], 6);
}

}  // namespace
}  // namespace tessera
