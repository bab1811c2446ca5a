#include <gtest/gtest.h>

#include <string>

#include "core/pages/frame_button_position.h"
#include "core/pages/animation_keys.h"
#include "core/pages/title_bar_button_actions.h"
#include "core/pages/title_bar_button_keys.h"
#include "core/pages/title_bar_button_model.h"
#include "core/pages/visibility_catalogue.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class TitleBarButtonsTest : public testing::SheetEnvironmentTest {
 protected:
  void usePersonalityLayout(bool on) {
    Session().hasButtonCount = on ? 1 : 0;
    Session().hasNoButtonCount = on ? 0 : 1;
  }
  std::vector<std::string> section(std::string_view name) { return profile::ReadSection(name, mainFile()); }
  bool hasSection(std::string_view name) {
    for (const auto& s : profile::SectionNames(mainFile()))
      if (s == name) return true;
    return false;
  }
  std::string fileBytes() { return files::readAll(mainFile()).value_or(""); }
  std::vector<std::string> images(const TitleBarButtonModel& model) {
    std::vector<std::string> texts;
    for (const auto& row : model.rows()) texts.push_back(row.image);
    return texts;
  }
};

TEST_F(TitleBarButtonsTest, AddIntoASkinWithoutAnyCountWritesCaptionCountOne) {
  openSkin("[Personality]\r\nName=x\r\n");
  usePersonalityLayout(false);
  TitleBarButtonModel model;
  EXPECT_EQ(model.count(), 0);
  EXPECT_EQ(model.add(), 0);
  EXPECT_EQ(skinValue("Caption", "ButtonCount"), "1");
  EXPECT_FALSE(skinValue("Personality", "ButtonCount"));
  EXPECT_FALSE(hasSection("Button0"));
  ASSERT_EQ(model.rows().size(), 1u);
  EXPECT_EQ(model.rows()[0].image, "");
}

TEST_F(TitleBarButtonsTest, DeletingAMiddleButtonMovesTheLaterOnesDownAndLeavesTheEarlierBytes) {
  openSkin("[Personality]\r\nButtonCount=3\r\n\r\n[Button0]\r\nButtonImage = s\\a.bmp\r\n; kept\r\nAction=1\r\n\r\n"
           "[Button1]\r\nButtonImage=s\\b.bmp\r\n\r\n[Button2]\r\nButtonImage=s\\c.bmp\r\nAction=24\r\n\r\n[After]\r\nX=1\r\n");
  usePersonalityLayout(true);
  const std::string before = fileBytes();
  const std::string button0 = before.substr(before.find("[Button0]"), before.find("[Button1]") - before.find("[Button0]"));
  TitleBarButtonModel model;
  EXPECT_EQ(model.remove(1), 1);
  const std::string after = fileBytes();
  EXPECT_NE(after.find(button0), std::string::npos);
  EXPECT_EQ(section("Button1"), (std::vector<std::string>{"ButtonImage=s\\c.bmp", "Action=24"}));
  EXPECT_FALSE(hasSection("Button2"));
  EXPECT_EQ(skinValue("Personality", "ButtonCount"), "2");
  EXPECT_EQ(skinValue("After", "X"), "1");
  EXPECT_EQ(images(model), (std::vector<std::string>{"s\\a.bmp", "s\\c.bmp"}));
}

TEST_F(TitleBarButtonsTest, MovesExchangeNeighboursAndDoNothingPastEitherEnd) {
  openSkin("[Caption]\r\nButtonCount=3\r\n[Button0]\r\nButtonImage=a\r\n[Button1]\r\nButtonImage=b\r\n"
           "[Button2]\r\nButtonImage=c\r\n");
  usePersonalityLayout(false);
  TitleBarButtonModel model;
  const std::string start = fileBytes();
  EXPECT_EQ(model.moveUp(0), 0);
  EXPECT_EQ(model.moveDown(2), 2);
  EXPECT_EQ(model.moveUp(-1), -1);
  EXPECT_EQ(fileBytes(), start);
  EXPECT_EQ(model.moveDown(0), 1);
  EXPECT_EQ(images(model), (std::vector<std::string>{"b", "a", "c"}));
  EXPECT_EQ(model.moveUp(2), 1);
  EXPECT_EQ(images(model), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_EQ(skinValue("Caption", "ButtonCount"), "3");
}

TEST_F(TitleBarButtonsTest, ReorderingKeepsEveryButtonPastNinetyNineAndSectionsPastFiftyNineThousandBytes) {
  std::string text = "[Caption]\r\nButtonCount=120\r\n";
  const std::string big(70000, 'x');
  for (int i = 0; i < 120; ++i) {
    text += "[Button" + std::to_string(i) + "]\r\nButtonImage=b" + std::to_string(i) + "\r\n";
    if (i == 110) text += "Command=" + big + "\r\n";
  }
  openSkin(text);
  usePersonalityLayout(false);
  TitleBarButtonModel model;
  model.remove(5);
  EXPECT_EQ(model.count(), 119);
  EXPECT_EQ(skinValue("Button109", "Command"), big);
  EXPECT_EQ(skinValue("Button118", "ButtonImage"), "b119");
  EXPECT_FALSE(hasSection("Button119"));
  model.moveDown(109);
  EXPECT_EQ(skinValue("Button110", "Command"), big);
  EXPECT_EQ(skinValue("Button109", "ButtonImage"), "b111");
}

TEST_F(TitleBarButtonsTest, DamagedCountsLoadAndMissingSectionsStayMissing) {
  for (const char* count : {"-5", "abc", "0"}) {
    openSkin(std::string("[Caption]\r\nButtonCount=") + count + "\r\n[Button0]\r\nButtonImage=a\r\n");
    usePersonalityLayout(false);
    EXPECT_EQ(TitleBarButtonModel().count(), 0) << count;
  }
  openSkin("[Caption]\r\nButtonCount=100000\r\n[Button0]\r\nButtonImage=a\r\n[Button2]\r\nButtonImage=c\r\n"
           "[Button3]\r\nButtonImage=d\r\n");
  TitleBarButtonModel model;
  EXPECT_EQ(model.count(), TitleBarButtonModel::kMaxListedButtons);
  // Button1 is missing: deleting Button0 moves it (absent) to 0 and c, d down one.
  model.remove(0);
  EXPECT_FALSE(hasSection("Button0"));
  EXPECT_EQ(skinValue("Button1", "ButtonImage"), "c");
  EXPECT_EQ(skinValue("Button2", "ButtonImage"), "d");
  EXPECT_FALSE(hasSection("Button3"));
  EXPECT_EQ(skinValue("Caption", "ButtonCount"), "99999");
}

TEST_F(TitleBarButtonsTest, ActionTableLabelsAndSliderTexts) {
  EXPECT_STREQ(ButtonActionShortLabel(15), "Size");
  EXPECT_STREQ(ButtonActionShortLabel(8), "Do nothing");
  EXPECT_STREQ(ButtonActionShortLabel(24), "Min to systray");
  EXPECT_STREQ(ButtonActionShortLabel(-4), "Custom click");
  for (const auto& entry : ButtonActionTable()) EXPECT_FALSE(entry.code >= 13 && entry.code <= 20);
  EXPECT_EQ(OfferedButtonActions(ButtonLayout::Caption).size() + 2, OfferedButtonActions(ButtonLayout::Personality).size());
  EXPECT_EQ(ButtonAnchorTexts().size(), 10u);
  EXPECT_STREQ(ButtonAnchorTexts()[9], "Right of the caption text");
  EXPECT_EQ(AnimationRateLabel(3), "333.3 fps");
  EXPECT_EQ(AnimationRateLabel(0), "Animation disabled");
  EXPECT_EQ(AnimationRateLabel(1), "1000 fps");
  EXPECT_EQ(FadeInLabel(250), "250 ms");
  EXPECT_EQ(FadeInLabel(0), "No fade in");
}

TEST_F(TitleBarButtonsTest, ActionKeysRoundTripAndTheirEmptyFormsDelete) {
  openSkin("[Personality]\r\nButtonCount=2\r\n[Button1]\r\nAction=3\r\nInSound=s\\in.wav\r\nLinkedTo=1\r\n");
  usePersonalityLayout(true);
  TitleBarButtonKeys keys(1, ButtonLayout::Personality);
  ButtonActionValues v = keys.readActions();
  EXPECT_EQ(v.shiftAction, 3);
  EXPECT_EQ(v.ctrlAction, 3);
  keys.writeInt("ShiftAction", 24);
  keys.writeTextOrDelete("InSound", "");
  keys.writeNonZeroOrDelete("LinkedTo", 0);
  keys.writeTextOrDelete("Command", "notepad");
  v = keys.readActions();
  EXPECT_EQ(v.shiftAction, 24);
  EXPECT_EQ(v.ctrlAction, 3);
  EXPECT_EQ(v.command, "notepad");
  EXPECT_FALSE(skinValue("Button1", "InSound"));
  EXPECT_FALSE(skinValue("Button1", "LinkedTo"));
}

TEST_F(TitleBarButtonsTest, PositionAnchorAndSizeModeRoundTripInBothLayouts) {
  for (ButtonLayout layout : {ButtonLayout::Caption, ButtonLayout::Personality}) {
    openSkin("[Button0]\r\nAlign=1\r\nWidth=20\r\n");
    TitleBarButtonKeys keys(0, layout);
    ButtonPositionValues v = keys.readPosition();
    EXPECT_TRUE(v.explicitSize());
    EXPECT_EQ(v.align, 1);
    keys.writeInt("Align", layout == ButtonLayout::Personality ? 9 : 0);
    keys.writeNonZeroOrDelete("Height", 12);
    EXPECT_EQ(keys.readPosition().height, 12);
    keys.useImageDimensions();
    v = keys.readPosition();
    EXPECT_FALSE(v.explicitSize());
    EXPECT_EQ(v.align, layout == ButtonLayout::Personality ? 9 : 0);
    EXPECT_FALSE(skinValue("Button0", "Width"));
    EXPECT_FALSE(skinValue("Button0", "Height"));
  }
}

TEST_F(TitleBarButtonsTest, VisibilityStoresCheckedNumbersInOrderUpToTheLayoutsKeys) {
  openSkin("[Button0]\r\nVisibility3=7\r\nVisibility7=2\r\n");
  TitleBarButtonKeys caption(0, ButtonLayout::Caption);
  EXPECT_EQ(caption.readVisibility(), (std::vector<int>{0, 0, 0, 7, 0, 0}));
  EXPECT_EQ(caption.storeVisibility({4, 9, 1}, true), 3);
  EXPECT_EQ(section("Button0"), (std::vector<std::string>{"Visibility7=2", "Visibility=4", "Visibility1=9", "Visibility2=1"}));
  EXPECT_EQ(caption.storeVisibility({1, 2, 3, 4, 5, 6, 7, 8}, true), 6);
  EXPECT_EQ(skinValue("Button0", "Visibility5"), "6");
  TitleBarButtonKeys personality(0, ButtonLayout::Personality);
  EXPECT_EQ(personality.storeVisibility({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, true), 10);
  EXPECT_EQ(skinValue("Button0", "Visibility9"), "10");
  EXPECT_EQ(personality.storeVisibility({}, false), 0);
  EXPECT_EQ(skinValue("Button0", "Visibility9"), "10");
}

TEST_F(TitleBarButtonsTest, VisibilityCatalogueSkipsLinesWithoutEqualsAndTakesManyConditions) {
  std::string text = "[UIS1Visibility]\r\nAlways=0\r\nno equals here\r\nNegative=-3\r\n";
  for (int i = 0; i < 500; ++i) text += "Condition " + std::to_string(i) + "=" + std::to_string(100 + i) + "\r\n";
  const std::string file = catalogue("Visibility.ini", text);
  const auto conditions = ReadVisibilityCatalogue(file);
  ASSERT_EQ(conditions.size(), 502u);
  EXPECT_EQ(conditions[0].text, "Always");
  EXPECT_EQ(conditions[1].number, -3);
  EXPECT_EQ(conditions[501].number, 599);
  EXPECT_TRUE(ReadVisibilityCatalogue(temp.file("missing.ini")).empty());
}

TEST_F(TitleBarButtonsTest, GlowAndImageKeysRoundTrip) {
  openSkin("[Personality]\r\nButtonCount=1\r\nTripleImages=1\r\n[Button0]\r\nOverlayImage=s\\g.tga\r\n");
  usePersonalityLayout(true);
  TitleBarButtonModel model;
  EXPECT_EQ(model.defaultFrameCount(), 6);
  TitleBarButtonKeys keys(0, ButtonLayout::Personality);
  EXPECT_EQ(keys.readImage(model.defaultFrameCount()).frameCount, 6);
  EXPECT_EQ(keys.readGlow().frameCount, 1);
  keys.writeInt("OverlayImageXOffset", -20);
  keys.writeInt("OverlayFadeInTime", 300);
  keys.writeFlag("PerPixel", true);
  keys.writeTextOrDelete("OverlayImage", "");
  const ButtonGlowValues glow = keys.readGlow();
  EXPECT_EQ(glow.xOffset, -20);
  EXPECT_EQ(glow.fadeInTime, 300);
  EXPECT_EQ(glow.image, "");
  EXPECT_TRUE(keys.readImage(3).perPixel);
  EXPECT_EQ(model.rows()[0].frameCount, 6);
}

TEST_F(TitleBarButtonsTest, FrameButtonPositionFollowsTheNormalPositionWhenMaximisedIsMissing) {
  openSkin("[WindowFrame.Button2PerPixel]\r\nLeftCoord=12\r\nTopCoord=3\r\nTopCoordMaximized=1\r\n"
           "Command=" + std::string(80, 'c') + "\r\n");
  FrameButtonPositionValues v = ReadFrameButtonPosition("WindowFrame.Button2PerPixel");
  EXPECT_EQ(v.align, 1);
  EXPECT_EQ(v.leftMaximized, 12);
  EXPECT_EQ(v.topMaximized, 1);
  EXPECT_TRUE(v.hasAction);
  EXPECT_EQ(v.command.size(), 49u);
  EXPECT_EQ(WriteFrameButtonLeft("WindowFrame.Button2PerPixel", 30), 30);
  EXPECT_EQ(WriteFrameButtonTop("WindowFrame.Button2PerPixel", 9), 1);
  EXPECT_FALSE(skinValue("WindowFrame.Button2PerPixel", "LeftCoordMaximized"));
  const FrameButtonPositionValues icon = ReadFrameButtonPosition("WindowFrame.SystemIconPerPixel");
  EXPECT_EQ(icon.align, 0);
  EXPECT_FALSE(icon.hasAction);
}

}  // namespace
}  // namespace tessera
