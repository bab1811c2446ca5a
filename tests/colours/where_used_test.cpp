#include "core/colours/where_used.h"

#include <gtest/gtest.h>

#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

using WhereUsedTest = testing::SheetEnvironmentTest;

TEST_F(WhereUsedTest, ListsMainThenTaskbarSectionsByCatalogueDescription) {
  catalogue("subsections.ini", "[Button]\r\nDescription=Push buttons\r\n[Start]\r\nDescription=Start button\r\n");
  openSkin(
      "[Button]\r\nTextColour=3\r\nNormalColour=3\r\n"
      "[Label]\r\nShadowColour=3\r\n"
      "[Other]\r\nTextColour=4\r\nNormalFont=3\r\n"
      "[Plain]\r\nName=x\r\n",
      "[Start]\r\nFocusColour=3\r\n");
  const std::vector<std::string> used = SectionsUsing(3, kTextColourKeys);
  EXPECT_EQ(used, (std::vector<std::string>{"Push buttons", "Label", "Start button"}));
  EXPECT_EQ(SectionsUsing(3, kTextFontKeys), (std::vector<std::string>{"Other"}));
}

TEST_F(WhereUsedTest, UnsetKeysNeverMatchAPreset) {
  openSkin("[Button]\r\nTextColour=\r\n[Label]\r\nName=x\r\n");
  EXPECT_TRUE(SectionsUsing(0, kTextColourKeys).empty());
  EXPECT_TRUE(SectionsUsing(3, kTextColourKeys).empty());
}

}  // namespace
}  // namespace tessera
