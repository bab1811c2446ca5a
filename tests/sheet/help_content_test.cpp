#include "core/sheet/help_content.h"

#include <gtest/gtest.h>

#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class HelpContentTest : public testing::SheetEnvironmentTest {};

TEST_F(HelpContentTest, HelpTextTurnsBackslashNIntoLineBreaks) {
  catalogue("subsections.ini", "[Button]\r\nHelp=First line\\nSecond line\\\\n end\\\r\n");
  EXPECT_EQ(ReadHelpContent(dataFolder(), "Button").helpText, "First line\nSecond line\\\n end\\");
  EXPECT_EQ(ExpandLineBreaks("\\n\\n"), "\n\n");
  EXPECT_EQ(ExpandLineBreaks("a\\"), "a\\");
}

TEST_F(HelpContentTest, FrameOrderFromTheStateListUnlessDescribed) {
  catalogue("subsections.ini",
            "[Button]\r\nStateList=3\r\nPreview=button.png\r\n[Caption]\r\nStateList=3\r\nStateDesc=Active, inactive\r\n");
  catalogue("statelist.ini", "[3]\r\nNormal=1\r\nMouse over=2\r\nA=b=3\r\n");
  const HelpContent button = ReadHelpContent(dataFolder(), "Button");
  EXPECT_EQ(button.stateNames, (std::vector<std::string>{"Normal", "Mouse over", "A=b"}));
  EXPECT_TRUE(button.stateDescription.empty());
  EXPECT_EQ(button.examplePicture, dataFolder() + "/previews/button.png");
  const HelpContent caption = ReadHelpContent(dataFolder(), "Caption");
  EXPECT_EQ(caption.stateDescription, "Active, inactive");
  EXPECT_TRUE(caption.stateNames.empty());
  EXPECT_TRUE(caption.examplePicture.empty());
}

TEST(HelpWiki, PageAddressEncodesTheSectionName) {
  EXPECT_EQ(HelpWikiUrl("Tab.Item"), std::string(kHelpWikiAddress) + "/index.php?title=Tessera_Help:_Tab.Item");
  EXPECT_EQ(HelpWikiUrl("A b&c#d"), std::string(kHelpWikiAddress) + "/index.php?title=Tessera_Help:_A%20b%26c%23d");
}

}  // namespace
}  // namespace tessera
