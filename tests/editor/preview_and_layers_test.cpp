#include <gtest/gtest.h>

#include <QImage>

#include "core/editor/layer_bar.h"
#include "core/editor/preview_background.h"
#include "core/editor/preview_composition.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

std::vector<int> Kinds(const std::vector<PreviewCall>& calls) {
  std::vector<int> kinds;
  for (const PreviewCall& call : calls) kinds.push_back(call.kind);
  return kinds;
}

TEST(PreviewCompositionTest, GroupsChooseTheirKindsAndStates) {
  EXPECT_EQ(Kinds(PreviewCallsFor(2, "", 3)), (std::vector<int>{2, 4, 3}));
  EXPECT_EQ(PreviewCallsFor(2, "", 3).back().state, 3);
  const std::vector<PreviewCall> scroll = PreviewCallsFor(4, "", 2);
  ASSERT_EQ(scroll.size(), 8u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(scroll[static_cast<std::size_t>(i)].state, i + 1);
  EXPECT_EQ(PreviewCallsFor(5, "", 4).front().state, 1);
  EXPECT_EQ(PreviewCallsFor(14, "", 3).front().state, 2);
  EXPECT_EQ(PreviewCallsFor(25, "", 1).front().state, 0);
  EXPECT_EQ(Kinds(PreviewCallsFor(17, "", 1)), (std::vector<int>{22, 24, 25, 26}));
  EXPECT_EQ(PreviewCallsFor(31, "", 1).front().step, PreviewStep::ToolbarIcons);
  // The explorer backgrounds are drawn by the library's sample window, by their own keys.
  EXPECT_EQ(Kinds(PreviewCallsFor(33, "", 2)), (std::vector<int>{20, 13}));
  EXPECT_EQ(PreviewCallsFor(34, "", 1).front().step, PreviewStep::WindowFrames);
  EXPECT_EQ(PreviewCallsFor(37, "", 2).front().step, PreviewStep::WindowFramesButtons);
  EXPECT_EQ(PreviewCallsFor(36, "", 2).front().step, PreviewStep::WindowFramesButtons);
  EXPECT_TRUE(PreviewCallsFor(3, "", 1).empty());
  EXPECT_TRUE(PreviewCallsFor(99, "", 1).empty());
}

TEST(PreviewCompositionTest, WindowStatesChooseTheFrontWindowsLook) {
  // "Active", "Inactive", "Maximized"; the buttons show the mouse's look in every state.
  for (int group : {34, 35, 36}) {
    SCOPED_TRACE(group);
    const PreviewCall active = PreviewCallsFor(group, "", 1, 2).front();
    EXPECT_FALSE(active.frontInactive);
    EXPECT_FALSE(active.frontMaximised);
    EXPECT_EQ(active.state, 2);
    const PreviewCall inactive = PreviewCallsFor(group, "", 2).front();
    EXPECT_TRUE(inactive.frontInactive);
    EXPECT_EQ(inactive.state, 1);
    EXPECT_TRUE(PreviewStatesAreWindowStates(group, ""));
  }
  const PreviewCall maximised = PreviewCallsFor(36, "", 3, 3).front();
  EXPECT_TRUE(maximised.frontMaximised);
  EXPECT_FALSE(maximised.frontInactive);
  EXPECT_EQ(maximised.state, 3);
  EXPECT_TRUE(PreviewStatesAreWindowStates(40, "Frames.Texture"));
  // The frame buttons' states are button looks, then "Disabled" and "Inactive".
  EXPECT_FALSE(PreviewStatesAreWindowStates(37, ""));
  EXPECT_EQ(PreviewCallsFor(37, "", 3).front().state, 3);
  EXPECT_FALSE(PreviewCallsFor(37, "", 3).front().frontInactive);
  EXPECT_EQ(PreviewCallsFor(37, "", 4).front().state, 4);
  const PreviewCall frameInactive = PreviewCallsFor(37, "", 5).front();
  EXPECT_TRUE(frameInactive.frontInactive);
  EXPECT_EQ(frameInactive.state, 1);
}

TEST(PreviewCompositionTest, TexturesDrawAsTheGroupTheyStandFor) {
  EXPECT_EQ(CompositionGroup(40, "StartMenu.Texture"), 18);
  EXPECT_EQ(CompositionGroup(40, "TASKBAR.TEXTURE"), 16);
  EXPECT_EQ(CompositionGroup(40, "frames.texture"), 34);
  EXPECT_EQ(CompositionGroup(40, "other.texture"), 40);
  EXPECT_EQ(CompositionGroup(18, "frames.texture"), 18);
  EXPECT_EQ(Kinds(PreviewCallsFor(40, "taskbar.texture", 1)), (std::vector<int>{22, 24, 25, 26}));
}

TEST(PreviewBackgroundTest, GridIsAnEightPixelCheckerboardWhateverTheBrightness) {
  QImage canvas(24, 16, QImage::Format_ARGB32_Premultiplied);
  FillPreviewBackground(canvas, kBackgroundGrid, 127);
  EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(canvas.pixelColor(7, 7), QColor(Qt::white));
  EXPECT_EQ(canvas.pixelColor(8, 0), QColor(230, 230, 230));
  EXPECT_EQ(canvas.pixelColor(0, 8), QColor(230, 230, 230));
  EXPECT_EQ(canvas.pixelColor(9, 9), QColor(Qt::white));
  FillPreviewBackground(canvas, kBackgroundWhite, 200);
  EXPECT_EQ(canvas.pixelColor(3, 3), QColor(200, 200, 200));
  FillPreviewBackground(canvas, 4, 200);
  EXPECT_EQ(canvas.pixelColor(3, 3), QColor(Qt::black));
}

TEST(PreviewBackgroundTest, SliderAndGreyMirrorEachOther) {
  EXPECT_EQ(GreyFromSlider(0), 255);
  EXPECT_EQ(GreyFromSlider(128), 127);
  EXPECT_EQ(GreyFromSlider(500), 127);
  EXPECT_EQ(SliderFromGrey(255), 0);
  EXPECT_EQ(SliderFromGrey(40), 128);
}

class LayerBarTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    temp.write("skins/Tessera7/subsections.ini", "[Fixed]\r\nNoLayers=1\r\n");
    main = writeSkin("S", "[Btn]\r\nNextLayerName=A\r\n[Btn:A]\r\nNextLayerName=B\r\nAlphaMode=999\r\n"
                          "[Btn:A:B]\r\nAlphaMode=17\r\n[Fixed]\r\nNextLayerName=L\r\n");
    Session().mainFile = main;
    Session().skinName = "S";
  }
  std::string main;
};

TEST_F(LayerBarTest, ListsTheChainAndSelectsTheEditedLayer) {
  const LayerBarState base = ReadLayerBar("Btn", "Btn", main);
  EXPECT_EQ(base.texts, (std::vector<std::string>{"Base Layer - (Btn)", "Additional Layer 1 - (Btn)",
                                                  "Additional Layer 2 - (Btn)"}));
  EXPECT_EQ(base.sections, (std::vector<std::string>{"Btn", "Btn:A", "Btn:A:B"}));
  EXPECT_EQ(base.selected, 0);
  EXPECT_TRUE(base.addEnabled);
  EXPECT_FALSE(base.deleteEnabled);
  EXPECT_FALSE(base.blendEnabled);

  const LayerBarState second = ReadLayerBar("Btn", "Btn:A:B", main);
  EXPECT_EQ(second.selected, 2);
  EXPECT_TRUE(second.deleteEnabled);
  EXPECT_TRUE(second.blendEnabled);
  EXPECT_EQ(second.blendRow, 9u);  // 17, "Multiply Blend"
  // An unknown stored mode shows as the first row.
  EXPECT_EQ(ReadLayerBar("Btn", "Btn:A", main).blendRow, 0u);
  EXPECT_EQ(LayerSectionAt(second, 1), "Btn:A");
  EXPECT_EQ(LayerSectionAt(second, 7), "Btn");
}

TEST_F(LayerBarTest, NoLayersShowsOnlyTheBaseEntryAndDisablesTheBar) {
  const LayerBarState bar = ReadLayerBar("Fixed", "Fixed", main);
  EXPECT_EQ(bar.texts, (std::vector<std::string>{"Base Layer - (Fixed)"}));
  EXPECT_FALSE(bar.layersAvailable);
  EXPECT_FALSE(bar.addEnabled || bar.listEnabled || bar.deleteEnabled || bar.blendEnabled);
  EXPECT_EQ(bar.blendRow, 0u);
}

TEST(LayerMenuTest, BaseFirstThenOneCommandPerLayer) {
  EXPECT_EQ(LayerMenuTexts(2), (std::vector<std::string>{"Base Layer", "Additional Layer 1", "Additional Layer 2"}));
}

}  // namespace
}  // namespace tessera
