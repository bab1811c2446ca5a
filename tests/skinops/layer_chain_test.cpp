#include "core/skin/layer_chain.h"

#include <gtest/gtest.h>

#include "core/platform/profile.h"
#include "core/skin/blend_modes.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

class LayerChainTest : public testing::EnvironmentTest {
 protected:
  std::string skin(std::string_view text) { return temp.write("skins/L/L.uis", text); }
};

TEST_F(LayerChainTest, ChainNamesAreRelativeToTheirPredecessor) {
  const std::string file = skin("[S]\r\nNextLayerName=A\r\n[S:A]\r\nNextLayerName=B\r\n[S:A:B]\r\nImage=x\r\n");
  EXPECT_EQ(ReadLayerChain("S", file), (std::vector<std::string>{"S:A", "S:A:B"}));
  EXPECT_TRUE(ReadLayerChain("Other", file).empty());
}

TEST_F(LayerChainTest, AddingAppendsAnLLayerToTheLastSection) {
  const std::string file = skin("[S]\r\nImage=x\r\n");
  EXPECT_EQ(AddLayer("S", file), "S:L");
  EXPECT_EQ(AddLayer("S", file), "S:L:L");
  EXPECT_EQ(ReadLayerChain("S", file), (std::vector<std::string>{"S:L", "S:L:L"}));
}

TEST_F(LayerChainTest, DeletingAMiddleLayerKeepsLaterSectionNames) {
  const std::string file = skin(
      "[S]\r\nNextLayerName=A\r\n[S:A]\r\nNextLayerName=B\r\nImage=a\r\n[S:A:B]\r\nNextLayerName=C\r\n"
      "[S:A:B:C]\r\nImage=c\r\n");
  ASSERT_TRUE(DeleteLayer("S", 1, file));
  EXPECT_EQ(profile::ReadString("S", "NextLayerName", "", file), "A:B");
  EXPECT_EQ(ReadLayerChain("S", file), (std::vector<std::string>{"S:A:B", "S:A:B:C"}));
  EXPECT_FALSE(profile::FindValue("S:A", "Image", file).has_value()) << "the deleted layer's section goes";
  EXPECT_EQ(profile::ReadString("S:A:B", "NextLayerName", "", file), "C") << "later layers keep theirs";

  ASSERT_TRUE(DeleteLayer("S", 1, file));
  EXPECT_EQ(profile::ReadString("S", "NextLayerName", "", file), "A:B:C");
  EXPECT_EQ(ReadLayerChain("S", file), (std::vector<std::string>{"S:A:B:C"}));
}

TEST_F(LayerChainTest, DeletingTheLastLayerRemovesOnlyThePredecessorsKey) {
  const std::string file = skin("[S]\r\nNextLayerName=A\r\nImage=s\r\n[S:A]\r\nNextLayerName=B\r\n[S:A:B]\r\nImage=b\r\n");
  ASSERT_TRUE(DeleteLayer("S", 2, file));
  EXPECT_FALSE(profile::FindValue("S:A", "NextLayerName", file).has_value());
  EXPECT_EQ(profile::ReadString("S", "NextLayerName", "", file), "A");
  EXPECT_EQ(profile::ReadString("S", "Image", "", file), "s");
  EXPECT_EQ(profile::SectionNames(file), (std::vector<std::string>{"S", "S:A"}));
  EXPECT_FALSE(DeleteLayer("S", 2, file));
  EXPECT_FALSE(DeleteLayer("S", 0, file));
}

TEST_F(LayerChainTest, EndlessChainsAreCut) {
  // Every section names the next: the chain runs as long as the file has sections.
  std::string text;
  std::string name = "S";
  for (int i = 0; i < 300; ++i) {
    text += "[" + name + "]\r\nNextLayerName=L\r\n";
    name += ":L";
  }
  const std::string file = skin(text);
  const auto chain = ReadLayerChain("S", file);
  EXPECT_EQ(chain.size(), kMaxLayers);
  EXPECT_TRUE(AddLayer("S", file).empty());
  // Deleting the last listed layer links its predecessor to the unlisted rest.
  ASSERT_TRUE(DeleteLayer("S", kMaxLayers, file));
  EXPECT_EQ(ReadLayerChain("S", file).size(), kMaxLayers);
}

TEST_F(LayerChainTest, LayersOfACompanionSectionAreRoutedToTheCompanion) {
  temp.write("skins/Tessera7/subsections.ini", "[Taskbar]\r\nAlternativeFile=1\r\n");
  SkinSession& s = Session();
  s.mainFile = temp.write("skins/L/L.uis~", "[Taskbar]\r\nNextLayerName=Main\r\n");
  s.companionFiles[0] = temp.write("skins/L/L.xp~", "[Taskbar]\r\nNextLayerName=A\r\n");
  EXPECT_EQ(ReadLayerChain("Taskbar", s.mainFile), (std::vector<std::string>{"Taskbar:A"}));
  AddLayer("Taskbar", s.mainFile);
  EXPECT_EQ(profile::ReadString("Taskbar:A", "NextLayerName", "", s.companionFiles[0]), "L");
  EXPECT_FALSE(profile::FindValue("Taskbar:A", "NextLayerName", s.mainFile).has_value());
}

TEST_F(LayerChainTest, ALayerAddedAfterADeletionStartsEmpty) {
  // Add a layer, give it a picture, delete it: a new layer takes the same section name and must
  // not bring the deleted picture back.
  const std::string file = skin("[S]\r\nImage=base.tga\r\n");
  const std::string layer = AddLayer("S", file);
  profile::WriteString(layer, "Image", "L\\glow.tga", file);
  profile::WriteString(layer, "AlphaMode", "17", file);
  ASSERT_TRUE(DeleteLayer("S", 1, file));
  EXPECT_TRUE(ReadLayerChain("S", file).empty());
  EXPECT_EQ(profile::SectionNames(file), (std::vector<std::string>{"S"}));
  EXPECT_FALSE(profile::FindValue("S", "NextLayerName", file).has_value());
  EXPECT_EQ(AddLayer("S", file), layer);
  EXPECT_FALSE(profile::FindValue(layer, "Image", file).has_value());
  EXPECT_FALSE(profile::FindValue(layer, "AlphaMode", file).has_value());
}

TEST_F(LayerChainTest, DeletingACompanionLayerRemovesItsSectionFromTheCompanion) {
  temp.write("skins/Tessera7/subsections.ini", "[Taskbar]\r\nAlternativeFile=1\r\n");
  SkinSession& s = Session();
  s.mainFile = temp.write("skins/L/L.uis~", "[Taskbar:A]\r\nImage=main\r\n");
  s.companionFiles[0] = temp.write("skins/L/L.xp~", "[Taskbar]\r\nNextLayerName=A\r\n[Taskbar:A]\r\nImage=a\r\n");
  ASSERT_TRUE(DeleteLayer("Taskbar", 1, s.mainFile));
  EXPECT_EQ(profile::SectionNames(s.companionFiles[0]), (std::vector<std::string>{"Taskbar"}));
  EXPECT_FALSE(profile::FindValue("Taskbar", "NextLayerName", s.companionFiles[0]).has_value());
  EXPECT_EQ(temp.read("skins/L/L.uis~"), "[Taskbar:A]\r\nImage=main\r\n") << "the main file is not the layer's";
}

TEST_F(LayerChainTest, BlendModeTableAndUnknownStoredModes) {
  const auto modes = BlendModes();
  ASSERT_EQ(modes.size(), 31u);
  EXPECT_STREQ(modes[0].text, "Normal Blend Mode");
  EXPECT_EQ(modes[2].value, 70);
  EXPECT_EQ(modes.back().value, 127);
  EXPECT_STREQ(modes.back().text, "Exclusion Blend Mode with automask");

  const std::string file = skin("[S:L]\r\nAlphaMode=999\r\n");
  EXPECT_EQ(BlendModeRow(ReadBlendMode("S:L", file)), 0u);
  EXPECT_EQ(profile::ReadString("S:L", "AlphaMode", "", file), "999") << "showing the layer changes nothing";
  ASSERT_TRUE(ChooseBlendMode("S:L", BlendModeRow(117), file));
  EXPECT_EQ(profile::ReadString("S:L", "AlphaMode", "", file), "117");
  EXPECT_FALSE(ChooseBlendMode("S:L", modes.size(), file));
}

}  // namespace
}  // namespace tessera
