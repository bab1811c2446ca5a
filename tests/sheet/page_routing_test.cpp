#include "core/sheet/page_routing.h"

#include <gtest/gtest.h>

#include "core/platform/settings.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

using Captions = std::vector<std::string>;

class PageRoutingTest : public testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    catalogue("subsections.ini",
              "[Extras.Only]\r\nJustExtras=1\r\nNoText=1\r\n"
              "[Caption.Two]\r\nCaptionMode=2\r\n"
              "[Borders.Two]\r\nFrameMode=2\r\n"
              "[Frame.One]\r\nFrameMode=1\r\n"
              "[Frame.Basic]\r\nFrameMode=1\r\nBasic=1\r\n"
              "[Caption.One]\r\nCaptionMode=1\r\n"
              "[Buttons]\r\nButtonMode=1\r\n"
              "[Shell]\r\nShellUI=1\r\n"
              "[Button]\r\nContent=1\r\nPosition=1\r\nNoAnimation=0\r\n"
              "[Basic.Button]\r\nBasic=1\r\nPosition=1\r\nNoText=0\r\n"
              "[Animated]\r\nAnimPage=1\r\nNoGlyph=1\r\nNoMargins=1\r\nNoText=1\r\n");
    catalogue("extras.ini", "[Button]\r\nFocusRect=0\r\n[Caption.Two]\r\nX=0\r\n[Borders.Two]\r\n");
  }
  Captions route(std::string_view section, std::string_view topLevel) {
    Captions captions;
    for (PageKind kind : RoutePages(ReadRoutingFacts(dataFolder(), section, topLevel))) captions.push_back(PageCaption(kind));
    return captions;
  }
  Captions route(std::string_view section) { return route(section, section); }
};

TEST_F(PageRoutingTest, SpecialKindsGetTheirOwnPagesAndNoHelp) {
  EXPECT_EQ(route("Extras.Only"), (Captions{"Extra settings"}));
  EXPECT_EQ(route("Caption.Two"), (Captions{"Caption", "Text settings", "Extra settings"}));
  // An empty extras.ini section does not count.
  EXPECT_EQ(route("Borders.Two"), (Captions{"Left border", "Right border", "Bottom border", "Top border"}));
  EXPECT_EQ(route("Frame.One"), (Captions{"Frame images", "Shape images", "Sizing margins", "Frame indexes"}));
  EXPECT_EQ(route("Frame.Basic"), (Captions{"Frame images", "Shape images", "Sizing margins"}));
  EXPECT_EQ(route("Caption.One"), (Captions{"Caption text settings", "Caption click settings"}));
  EXPECT_EQ(route("Buttons"), (Captions{"Buttons", "Image", "Actions", "Position", "Visibility", "Mouseover glow"}));
}

TEST_F(PageRoutingTest, LayerSectionsWithEntriesOfTheirOwn) {
  catalogue("subsections.ini", "[Caption.Two:Glow]\r\nCaptionMode=2\r\n[Borders.Two:Glow]\r\nFrameMode=2\r\n");
  // The caption rule looks at extras.ini alone; the border rule counts a layer as having extras.
  EXPECT_EQ(route("Caption.Two:Glow", "Caption.Two"), (Captions{"Caption", "Text settings"}));
  EXPECT_EQ(route("Borders.Two:Glow", "Borders.Two"),
            (Captions{"Left border", "Right border", "Bottom border", "Top border", "Extra settings"}));
}

TEST_F(PageRoutingTest, LayerSectionGetsPicturePagesAndTheLayerExtras) {
  EXPECT_EQ(route("Button:Glow", "Button"), (Captions{"Image", "Glyph", "Painting", "Extra settings", "Help"}));
  // A layer has no catalogue entry of its own, whatever kind its parent is.
  EXPECT_EQ(route("Frame.One:L", "Frame.One"), (Captions{"Image", "Glyph", "Painting", "Extra settings", "Help"}));
  // A colon at the start does not make a layer.
  EXPECT_EQ(route(":Glow", "Button"), (Captions{"Image", "Glyph", "Painting", "Help"}));
}

TEST_F(PageRoutingTest, TopLevelSectionGetsTextAnimationAndPositionInOrder) {
  // "Content" = 1 adds no page: the content margins are on the "Text" page.
  EXPECT_EQ(route("Button"), (Captions{"Image", "Glyph", "Painting", "Text", "Position", "Extra settings", "Help"}));
  WriteSetting(settings::UIMode, "1");
  WriteSetting(settings::ShowImport, "1");
  EXPECT_EQ(route("Button"), (Captions{"Image", "Glyph", "Painting", "Text", "Animation", "Position",
                                       "Extra settings", "Import", "Help"}));
  // NoAnimation defaults to 1: an unlisted section never gets the animation page.
  EXPECT_EQ(route("Unlisted"), (Captions{"Image", "Glyph", "Painting", "Text", "Import", "Help"}));
}

TEST_F(PageRoutingTest, BasicSectionsAndShellSections) {
  EXPECT_EQ(route("Basic.Button"), (Captions{"Image", "Position", "Help"}));
  EXPECT_EQ(route("Animated"), (Captions{"Settings", "Help"}));
  EXPECT_EQ(route("Shell"), (Captions{"Settings", "Help"}));
  WriteSetting(settings::ShowImport, "1");
  EXPECT_EQ(route("Shell"), (Captions{"Settings", "Import", "Help"}));
}

}  // namespace
}  // namespace tessera
