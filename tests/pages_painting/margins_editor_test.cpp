#include "core/pages/margins_editor.h"

#include <gtest/gtest.h>

#include "pages_painting/painting_fixture.h"

namespace tessera {
namespace {

class MarginsEditorRulesTest : public testing::PaintingEnvironmentTest {};

TEST_F(MarginsEditorRulesTest, BuiltStatesAreAnimationFramesWithinBounds) {
  catalogue("subsections.ini", "[Anim]\r\nBuildStates=1\r\nImageCount=4\r\n[Btn]\r\nStateList=2\r\n");
  catalogue("statelist.ini", "[2]\r\nNormal=1\r\nHot=2\r\n");
  openSkin("[Anim]\r\n[Fifty]\r\nFrameCount=50\r\n[Zero]\r\nFrameCount=0\r\n[Huge]\r\nFrameCount=10000\r\n"
           "[Negative]\r\nFrameCount=-5\r\n[Btn]\r\nFrameCount=7\r\n");
  // The catalogue's image count stands in for a missing frame count.
  const auto four = MarginsEditorStateNames("Anim", "Anim");
  ASSERT_EQ(four.size(), 4u);
  EXPECT_EQ(four.front(), "Animation Frame 1");
  EXPECT_EQ(four.back(), "Animation Frame 4");
  EXPECT_EQ(MarginsEditorStateNames("Fifty", "Anim").size(), 35u);
  EXPECT_EQ(MarginsEditorStateNames("Huge", "Anim").size(), 35u);
  EXPECT_EQ(MarginsEditorStateNames("Huge", "Anim").back(), "Animation Frame 35");
  EXPECT_EQ(MarginsEditorStateNames("Zero", "Anim"), (std::vector<std::string>{"Animation Frame 1"}));
  EXPECT_EQ(MarginsEditorStateNames("Negative", "Anim").size(), 1u);
  // Without BuildStates the catalogue's state list names the states, whatever the frame count.
  EXPECT_EQ(MarginsEditorStateNames("Btn", "Btn"), (std::vector<std::string>{"Normal", "Hot"}));
}

TEST(MarginsEditorRules, PreviewSizeStaysBetweenTheMinimumAndTheRoom) {
  EXPECT_EQ(ClampMarginsPreview({5, 5}, {300, 200}), QSize(20, 20));
  EXPECT_EQ(ClampMarginsPreview({500, 100}, {300, 200}), QSize(300, 100));
  EXPECT_EQ(ClampMarginsPreview({100, 900}, {300, 200}), QSize(100, 200));
  // No room at all still leaves the minimum.
  EXPECT_EQ(ClampMarginsPreview({100, 100}, {0, -4}), QSize(20, 20));
  // One frame plus 17 each way; a frame count of 0 or 10000 neither divides by zero nor vanishes.
  EXPECT_EQ(DefaultMarginsPreview({QSize(120, 40), 3, false}, {600, 400}), QSize(57, 57));
  EXPECT_EQ(DefaultMarginsPreview({QSize(40, 120), 3, true}, {600, 400}), QSize(57, 57));
  EXPECT_EQ(DefaultMarginsPreview({QSize(120, 40), 0, false}, {600, 400}), QSize(137, 57));
  EXPECT_EQ(DefaultMarginsPreview({QSize(120, 40), 10000, false}, {600, 400}), QSize(20, 57));
  EXPECT_EQ(DefaultMarginsPreview({QSize(), 1, false}, {600, 400}), QSize(20, 20));
  EXPECT_EQ(DefaultMarginsPreview({QSize(2000, 2000), 1, false}, {600, 400}), QSize(600, 400));
}

// A 100 x 80 render area with margins 10, 20, 5, 15: marks on row 10, row 59, column 5, column 84.
TEST(MarginsEditorRules, MarksAreFoundNearTheirLines) {
  const QSize area(100, 80);
  const std::array<int, 4> margins{10, 20, 5, 15};
  EXPECT_EQ(MarginMarkPositions(area, margins), (std::array<int, 4>{10, 59, 5, 84}));
  EXPECT_EQ(MarkAt({50, 10}, area, margins), kTopEdge);
  EXPECT_EQ(MarkAt({50, 12}, area, margins), kTopEdge);
  EXPECT_EQ(MarkAt({50, 61}, area, margins), kBottomEdge);
  EXPECT_EQ(MarkAt({6, 40}, area, margins), kLeftEdge);
  EXPECT_EQ(MarkAt({84, 40}, area, margins), kRightEdge);
  EXPECT_EQ(MarkAt({50, 30}, area, margins), std::nullopt);
  // Beyond the render area (in the inset) no mark is grabbed.
  EXPECT_EQ(MarkAt({102, 10}, area, margins), std::nullopt);
  // Where two marks cross, the nearer wins.
  EXPECT_EQ(MarkAt({6, 10}, area, margins), kTopEdge);
  EXPECT_EQ(MarkAt({5, 12}, area, margins), kLeftEdge);
  // Margins larger than the area keep their marks inside it.
  EXPECT_EQ(MarginMarkPositions(area, {500, 500, 500, 500}), (std::array<int, 4>{79, 0, 99, 0}));
}

TEST(MarginsEditorRules, DraggedMarginsAreWholePixelsWithinTheFrameAndTheArea) {
  const QSize area(100, 80);
  const std::array<int, 4> margins{10, 20, 5, 15};
  const QSize frame(60, 50);
  EXPECT_EQ(MarginForDrag(kTopEdge, {50, 25}, area, margins, frame), 25);
  EXPECT_EQ(MarginForDrag(kBottomEdge, {50, 70}, area, margins, frame), 9);
  EXPECT_EQ(MarginForDrag(kLeftEdge, {12, 40}, area, margins, frame), 12);
  EXPECT_EQ(MarginForDrag(kRightEdge, {90, 40}, area, margins, frame), 9);
  // Above or left of the preview gives 0.
  EXPECT_EQ(MarginForDrag(kTopEdge, {50, -30}, area, margins, frame), 0);
  EXPECT_EQ(MarginForDrag(kRightEdge, {500, 40}, area, margins, frame), 0);
  // The top margin may reach the bottom one within the frame (50 - 20), no further.
  EXPECT_EQ(MarginForDrag(kTopEdge, {50, 79}, area, margins, frame), 30);
  EXPECT_EQ(MarginForDrag(kLeftEdge, {99, 40}, area, margins, frame), 45);
  // Without a picture the area bounds it.
  EXPECT_EQ(MarginForDrag(kTopEdge, {50, 200}, area, margins, QSize()), 59);
  // An opposite margin already larger than the frame leaves nothing.
  EXPECT_EQ(MarginForDrag(kTopEdge, {50, 40}, area, {10, 900, 5, 15}, frame), 0);
  EXPECT_EQ(MarginDragStepName(kLeftEdge, "Button"), "Change Left margin of Button");
}

TEST_F(MarginsEditorRulesTest, MiddleAndEdgesOnlyAreWrittenApart) {
  openSkin("[Btn]\r\nTile=3\r\nEdgesOnly=1\r\n");
  WriteMiddleTile("Btn", 4);
  EXPECT_EQ(skinValue("Btn", "Tile"), "4");
  EXPECT_EQ(skinValue("Btn", "EdgesOnly"), "1");
  WriteMiddleTile("Btn", 9);
  EXPECT_EQ(skinValue("Btn", "Tile"), "4");
  WriteEdgesOnly("Btn", false);
  EXPECT_EQ(skinValue("Btn", "EdgesOnly"), "0");
}

}  // namespace
}  // namespace tessera
