#include <gtest/gtest.h>

#include "core/editor/linear_order.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

// A linear order of 38 positions, position n naming section "S<n>".
class LinearOrderTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    std::string text;
    for (int n = 1; n <= kLinearLastPosition; ++n) {
      text += "[" + std::to_string(n) + "]\r\n1=S" + std::to_string(n) + "\r\n";
      if (n == 5) text += "NoXP=1\r\n";
      if (n == 6) text += "NoVista=1\r\n";
    }
    temp.write("skins/Tessera7/linear.ini", text);
  }
  int step(int from, bool forward, LinearFilter filter = {}) { return StepLinear(from, forward, filter).position; }
};

TEST_F(LinearOrderTest, NextWrapsFromTheLastPositionToTheFirst) {
  EXPECT_EQ(step(37, true), 38);
  const LinearStep wrapped = StepLinear(38, true, {});
  EXPECT_EQ(wrapped.position, 1);
  EXPECT_EQ(wrapped.section, "S1");
}

TEST_F(LinearOrderTest, PreviousFromTheFirstLandsOn34SoTheLastPositionsAreOnlyReachedForwards) {
  EXPECT_EQ(step(1, false), 34);
  EXPECT_EQ(step(2, false), 1);
  EXPECT_EQ(step(36, false), 35);
}

TEST_F(LinearOrderTest, ButtonCountDecidesWhetherPositions27And28AreVisited) {
  // The key absent: 27 is visited, 28 is not (its read defaults to 0).
  const std::string without = writeSkin("Plain", "[Personality]\r\nOther=1\r\n");
  const LinearFilter absent{SkinButtonCount(without), 0};
  EXPECT_EQ(step(26, true, absent), 27);
  EXPECT_EQ(step(27, true, absent), 29);
  EXPECT_EQ(step(29, false, absent), 27);
  // ButtonCount written as -1: both are visited.
  const std::string minusOne = writeSkin("Minus", "[Personality]\r\nButtonCount=-1\r\n");
  EXPECT_EQ(SkinButtonCount(minusOne), -1);
  EXPECT_EQ(step(26, true, {SkinButtonCount(minusOne), 0}), 27);
  EXPECT_EQ(step(27, true, {SkinButtonCount(minusOne), 0}), 28);
  // ButtonCount 0: 28 is never reached, and 27 neither (it needs the key absent).
  EXPECT_EQ(step(26, true, {0, 0}), 29);
  EXPECT_EQ(step(29, false, {0, 0}), 26);
  // A positive ButtonCount: 28 but not 27.
  EXPECT_EQ(SkinButtonCount(writeSkin("Three", "[Personality]\r\nButtonCount=3\r\n")), 3);
  EXPECT_EQ(step(26, true, {3, 0}), 28);
  EXPECT_EQ(step(28, false, {3, 0}), 26);
}

TEST_F(LinearOrderTest, TargetSystemSkipsPositionsMarkedForIt) {
  EXPECT_EQ(step(4, true, {-1, 1}), 6);   // NoXP at 5
  EXPECT_EQ(step(4, true, {-1, 2}), 5);
  EXPECT_EQ(step(5, true, {-1, 2}), 7);   // NoVista at 6 for Vista ...
  EXPECT_EQ(step(7, false, {-1, 3}), 5);  // ... and for Windows 7
  EXPECT_EQ(step(5, true, {-1, 0}), 6);
}

TEST_F(LinearOrderTest, PositionsWithoutASectionAreSkippedAndAnEmptyOrderGivesUp) {
  temp.write("skins/Tessera7/linear.ini", "[1]\r\n1=First\r\n[3]\r\n1=Third\r\n");
  EXPECT_EQ(StepLinear(1, true, {}).section, "Third");
  EXPECT_EQ(StepLinear(3, true, {}).section, "First");
  temp.write("skins/Tessera7/linear.ini", "");
  const LinearStep none = StepLinear(10, true, {});
  EXPECT_EQ(none.position, 0);
  EXPECT_TRUE(none.section.empty());
}

TEST_F(LinearOrderTest, SelectingAnEntryReadsItsDefaultGroupPositionAndTitles) {
  temp.write("skins/Tessera7/subsections.ini",
             "[Start]\r\nDefault=StartButton\r\nSection=13\r\nSecID=20\r\nDescription=Start button\r\n"
             "Description2=The button\r\n[Bare]\r\n");
  const EntrySelection start = SelectEntry("Start");
  EXPECT_EQ(start.section, "StartButton");
  EXPECT_EQ(start.group, 13);
  EXPECT_EQ(start.linearPosition, 20);
  EXPECT_EQ(start.title, "Start button");
  EXPECT_EQ(start.subtitle, "The button");
  const EntrySelection bare = SelectEntry("Bare", 0);
  EXPECT_EQ(bare.section, "Bare");
  EXPECT_EQ(bare.group, 0);
  EXPECT_EQ(bare.linearPosition, 0);  // "Next" reads SecID with default 0
  EXPECT_EQ(bare.title, "Bare");
  EXPECT_EQ(bare.subtitle, "Bare");
  EXPECT_EQ(SelectEntry("Bare", 1).linearPosition, 1);
}

}  // namespace
}  // namespace tessera
