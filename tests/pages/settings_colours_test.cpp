#include <gtest/gtest.h>

#include "core/pages/settings_colours.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class SettingsColoursTest : public testing::SheetEnvironmentTest {};

std::vector<std::string> labels(const std::vector<ColourEntry>& entries) {
  std::vector<std::string> out;
  for (const auto& entry : entries) out.push_back(entry.label);
  return out;
}

TEST_F(SettingsColoursTest, EntriesFollowTheCatalogueLevels) {
  catalogue("subsections.ini",
            "[Start]\r\nBackgroundColour=2\r\nBorderColour=1\r\nBodyColour=2\r\nTitleColour=1\r\nTextColour=2\r\n"
            "[Tip]\r\nBackgroundColour=1\r\nTextColour=1\r\n");
  openSkin("");
  const auto all = SettingsColourEntries("Start");
  EXPECT_EQ(labels(all), (std::vector<std::string>{"Background Colour", "Background Colour 2", "Border Colour",
                                                   "Body Text Colour", "Body Text Colour (Mouseover)",
                                                   "Title Text Colour", "Text Colour", "Text Colour (Mouseover)"}));
  EXPECT_EQ(all[1].keys, (std::array<std::string, 3>{"BackColourR2", "BackColourG2", "BackColourB2"}));
  EXPECT_EQ(all[4].keys, (std::array<std::string, 3>{"BodyMouseOverColourR", "BodyMouseOverColourG", "BodyMouseOverColourB"}));
  EXPECT_EQ(all[7].keys, (std::array<std::string, 3>{"MouseOverColourR", "MouseOverColourG", "MouseOverColourB"}));
  EXPECT_EQ(labels(SettingsColourEntries("Tip")), (std::vector<std::string>{"Background Colour", "Text Colour"}));
  EXPECT_TRUE(SettingsColourEntries("Other").empty());
}

TEST_F(SettingsColoursTest, ColoursAreReadAndWrittenAsThreeKeys) {
  catalogue("subsections.ini", "[Tip]\r\nTextColour=1\r\n");
  openSkin("[Tip]\r\nTextColourR=300\r\nTextColourG=20\r\n");
  const ColourEntry entry = SettingsColourEntries("Tip").at(0);
  EXPECT_EQ(ReadColourEntry("Tip", entry), (Rgb{255, 20, 0}));
  WriteColourEntry("Tip", entry, Rgb{1, 2, 3});
  EXPECT_EQ(skinValue("Tip", "TextColourR"), "1");
  EXPECT_EQ(skinValue("Tip", "TextColourG"), "2");
  EXPECT_EQ(skinValue("Tip", "TextColourB"), "3");
}

}  // namespace
}  // namespace tessera
