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

TEST_F(PaintingKeysTest, EdgesOnlyShowsTheNotPaintedEntryWhateverTileHolds) {
  openSkin("[Btn]\r\nEdgesOnly=1\r\nTile=3\r\n");
  EXPECT_EQ(ReadPaintingValues("Btn").middleEntry(), kMiddleNotPainted);

  WriteMiddleEntry("Btn", 2);
  EXPECT_EQ(skinValue("Btn", "Tile"), "2");
  EXPECT_EQ(skinValue("Btn", "EdgesOnly"), "0");

  WriteMiddleEntry("Btn", kMiddleNotPainted);
  EXPECT_EQ(skinValue("Btn", "Tile"), "0");
  EXPECT_EQ(skinValue("Btn", "EdgesOnly"), "1");
  EXPECT_EQ(ReadPaintingValues("Btn").middleEntry(), kMiddleNotPainted);
}

TEST_F(PaintingKeysTest, SyncCopiesTheTopMarginAndTileFlagToTheOtherEdges) {
  openSkin("[Btn]\r\nTopHeight=7\r\nTileTop=1\r\nBottomHeight=2\r\nTileRight=0\r\n");
  SyncMarginsFromTop("Btn", 7, true);
  for (const char* key : {"BottomHeight", "LeftWidth", "RightWidth"}) EXPECT_EQ(skinValue("Btn", key), "7") << key;
  for (const char* key : {"TileBottom", "TileLeft", "TileRight"}) EXPECT_EQ(skinValue("Btn", key), "1") << key;
  EXPECT_EQ(skinValue("Btn", "TopHeight"), "7");

  SyncMarginsFromTop("Btn", 0, false);
  EXPECT_EQ(skinValue("Btn", "LeftWidth"), "0");
  EXPECT_EQ(skinValue("Btn", "TileLeft"), "0");
}

TEST_F(PaintingKeysTest, WritesKeepValuesInTheirRanges) {
  openSkin("[Btn]\r\n");
  WriteSizingMargin("Btn", kLeftEdge, 12);
  WriteSizingMargin("Btn", kBottomEdge, 4000);
  WritePaintingMode("Btn", 3);
  WriteTileFlag("Btn", kRightEdge, true);
  WriteSmartMargins("Btn", true);
  EXPECT_EQ(skinValue("Btn", "LeftWidth"), "12");
  EXPECT_EQ(skinValue("Btn", "BottomHeight"), "1000");
  EXPECT_EQ(skinValue("Btn", "SimpleMode"), "3");
  EXPECT_EQ(skinValue("Btn", "TileRight"), "1");
  EXPECT_EQ(skinValue("Btn", "SmartSmallMargins"), "1");
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
