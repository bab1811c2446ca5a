#include <gtest/gtest.h>

#include "core/skin/category_catalogue.h"
#include "core/skin/editor_catalogue.h"
#include "core/skin/section_catalogue.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

namespace keys = subsection_keys;

class CatalogueTest : public testing::EnvironmentTest {
 protected:
  void catalogue(std::string_view file, std::string_view text) { temp.write("skins/Tessera7/" + std::string(file), text); }
};

TEST_F(CatalogueTest, SectionKeysFallBackToTheirOwnDefaults) {
  catalogue("subsections.ini", "[Button]\r\nImageCount=5\r\nVert=1\r\nNoLayers=2\r\n[Zero]\r\nImageCount=0\r\n");
  const SectionCatalogue c(dataFolder());
  EXPECT_EQ(c.imageCount("Button"), 5);
  EXPECT_TRUE(c.framesVertical("Button"));
  EXPECT_FALSE(c.noLayers("Button")) << "a flag is on only at 1";
  EXPECT_EQ(c.imageCount("Zero"), 1) << "a frame count of 0 would divide by zero downstream";
  EXPECT_EQ(c.imageCount("Missing"), 1);
  EXPECT_EQ(c.description("Missing"), "Missing");
  EXPECT_EQ(c.readText("Missing", keys::DescriptionOrEmpty), "");
  EXPECT_EQ(c.readText("Missing", keys::Default), "Missing");
  EXPECT_EQ(c.readInt("Missing", keys::Section), 0);
  EXPECT_EQ(c.readInt("Missing", keys::SectionAtSearch), -1);
  EXPECT_EQ(c.readInt("Missing", keys::SectionAtPreview), 1);
  EXPECT_EQ(c.readInt("Missing", keys::SecID), 1);
  EXPECT_EQ(c.readInt("Missing", keys::SubPreviewIndex), -1);
  EXPECT_EQ(c.readInt("Missing", keys::ThemePartIndex), 1);
  EXPECT_TRUE(c.isOn("Missing", keys::NoAnimation));
  EXPECT_EQ(c.alternativeFile("Missing"), 0);
}

TEST_F(CatalogueTest, MissingCatalogueGivesEveryDefault) {
  const SectionCatalogue c(dataFolder());
  EXPECT_EQ(c.imageCount("Button"), 1);
  EXPECT_EQ(c.alternativeFile("Taskbar"), 0);
  const CategoryCatalogue categories(dataFolder());
  EXPECT_EQ(categories.count(), 0);
  EXPECT_TRUE(categories.entries(0).empty());
  EXPECT_TRUE(StateNames(dataFolder(), 1).empty());
}

TEST_F(CatalogueTest, OsFilterFollowsTargetOS) {
  catalogue("subsections.ini",
            "[Xp]\r\nNotXP=1\r\n[Vista]\r\nNotVista=1\r\n[Seven]\r\nSevenOnly=1\r\n[NoSeven]\r\nNotSeven=1\r\n"
            "[Glass]\r\nNoUIS0=1\r\n");
  const SectionCatalogue c(dataFolder());
  EXPECT_TRUE(c.hiddenFor("Xp", 1, false));
  EXPECT_FALSE(c.hiddenFor("Xp", 2, false));
  EXPECT_TRUE(c.hiddenFor("Seven", 1, false));
  EXPECT_TRUE(c.hiddenFor("Seven", 2, false));
  EXPECT_FALSE(c.hiddenFor("Seven", 3, false));
  EXPECT_TRUE(c.hiddenFor("Vista", 3, false));
  EXPECT_TRUE(c.hiddenFor("NoSeven", 3, false));
  EXPECT_FALSE(c.hiddenFor("NoSeven", 2, false));
  for (const char* section : {"Xp", "Vista", "Seven", "NoSeven"}) EXPECT_FALSE(c.hiddenFor(section, 0, false));
  EXPECT_TRUE(c.hiddenFor("Glass", 0, true));
  EXPECT_FALSE(c.hiddenFor("Glass", 0, false));
  EXPECT_EQ(BadgeFor(c.osFlags("Seven")), OsBadge::SevenOnly);
  EXPECT_EQ(BadgeFor(c.osFlags("Xp")), OsBadge::NotXP);
}

TEST_F(CatalogueTest, CategoriesAreFilteredAndCountIsBounded) {
  catalogue("sections.ini",
            "[Count]\r\nSectionCount=4\r\n[0]\r\nDescription=Windows\r\nIcon=3\r\n[1]\r\nNotXP=1\r\n"
            "[2]\r\nNotUIS0=1\r\n[3]\r\nNotVista=1\r\n");
  const CategoryCatalogue c(dataFolder());
  ASSERT_EQ(c.count(), 4);
  EXPECT_EQ(c.category(0).description, "Windows");
  EXPECT_EQ(c.category(0).icon, 3);
  auto numbers = [](const std::vector<Category>& list) {
    std::vector<int> n;
    for (const auto& cat : list) n.push_back(cat.number);
    return n;
  };
  EXPECT_EQ(numbers(c.visibleCategories(0, false)), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(numbers(c.visibleCategories(1, false)), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(numbers(c.visibleCategories(3, true)), (std::vector<int>{0, 1}));

  catalogue("sections.ini", "[Count]\r\nSectionCount=2147483647\r\n");
  EXPECT_EQ(CategoryCatalogue(dataFolder()).count(), kMaxCategories);
}

TEST_F(CatalogueTest, CategoryEntriesAreFilteredByTypeCode) {
  catalogue("subsections2.ini",
            "[0]\r\nPersonality=1\r\nButtons=8\r\nClassicButtons=9\r\nTextures=6\r\nFrames=7\r\nGlassOnly=1\r\n"
            "bare line 5\r\n");
  catalogue("subsections.ini", "[GlassOnly]\r\nNoUIS0=1\r\n");
  const CategoryCatalogue c(dataFolder());
  const auto all = c.entries(0);
  ASSERT_EQ(all.size(), 7u);
  EXPECT_EQ(all[1].name, "Buttons");
  EXPECT_EQ(all[1].typeCode, '8');
  EXPECT_EQ(all[6].name, "bare line 5") << "a line without '=' is all name";
  EXPECT_EQ(all[6].typeCode, '5');

  auto names = [&](SkinTraits traits) {
    std::vector<std::string> n;
    for (const auto& e : c.visibleEntries(0, traits)) n.push_back(e.name);
    return n;
  };
  EXPECT_EQ(names({3, false}), (std::vector<std::string>{"Personality", "Buttons", "GlassOnly", "bare line 5"}));
  EXPECT_EQ(names({0, false}), (std::vector<std::string>{"Personality", "ClassicButtons", "GlassOnly", "bare line 5"}));
  EXPECT_EQ(names({3, true}), (std::vector<std::string>{"Personality", "Textures", "Frames", "bare line 5"}));
  EXPECT_EQ(EditorForTypeCode('7'), EntryEditor::UIS0);
  EXPECT_EQ(EditorForTypeCode('1'), EntryEditor::SectionEditor);
}

TEST_F(CatalogueTest, SkinTraitsReadButtonCountAndFramelessness) {
  const std::string framed = writeSkin("Framed", "[Personality]\r\nTop=framed\\top.tga\r\nButtonCount=3\r\n");
  const std::string glass = writeSkin("Glass", "[DWM]\r\nUseDWMFrames=1\r\n");
  EXPECT_EQ(SkinTraits::Of(framed).buttonCount, 3);
  EXPECT_FALSE(SkinTraits::Of(framed).frameless);
  EXPECT_EQ(SkinTraits::Of(glass).buttonCount, 0);
  EXPECT_TRUE(SkinTraits::Of(glass).frameless);
}

TEST_F(CatalogueTest, StateAndPreviewListsUseTextBeforeTheLastEquals) {
  catalogue("statelist.ini", "[1]\r\nNormal=0\r\nMouse over=1\r\nA=B=2\r\n");
  catalogue("previewStates.ini", "[4]\r\nActive=1\r\nInactive=2\r\n");
  EXPECT_EQ(StateNames(dataFolder(), 1), (std::vector<std::string>{"Normal", "Mouse over", "A=B"}));
  EXPECT_EQ(PreviewStates(dataFolder(), 4), (std::vector<std::string>{"Active", "Inactive"}));
}

TEST_F(CatalogueTest, EditorCatalogueFilesHaveTheirDefaults) {
  catalogue("subsections3.ini", "[2]\r\nButton=3\r\nHeading\r\nEmpty=\r\n");
  catalogue("subsections4.ini", "[2]\r\nDescription=Buttons\\Push\r\nSection=7\r\nNotXP=1\r\n");
  catalogue("preview2.ini", "[7]\r\nMouseState=5\r\n");
  catalogue("linear.ini", "[1]\r\n1=Button\r\nNoXP=1\r\n");
  const auto entries = GroupEntries(dataFolder(), 2);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].type, 3);
  EXPECT_EQ(entries[1].type, 1);
  EXPECT_EQ(entries[2].type, 1);
  const GroupInfo group = ReadGroupInfo(dataFolder(), 2);
  EXPECT_EQ(group.section, 7);
  EXPECT_TRUE(group.os.notXP);
  EXPECT_EQ(SplitGroupDescription(group.description).parent, "Buttons");
  EXPECT_EQ(SplitGroupDescription(group.description).child, "Push");
  EXPECT_EQ(ReadGroupInfo(dataFolder(), 9).description, "9");
  EXPECT_EQ(ReadHoverStates(dataFolder(), 7).mouse, 5);
  EXPECT_EQ(ReadHoverStates(dataFolder(), 7).pressed, 3);
  EXPECT_EQ(ReadLinearPosition(dataFolder(), 1).section, "Button");
  EXPECT_TRUE(ReadLinearPosition(dataFolder(), 1).noXP);
}

TEST_F(CatalogueTest, ExtraSettings) {
  catalogue("extras.ini", "[Button]\r\nGlowSize=1\r\n[Empty]\r\n");
  catalogue("extraDetails.ini", "[GlowSize]\r\nType=1\r\nRangeMax=40\r\n");
  EXPECT_TRUE(HasExtraSettings(dataFolder(), "Button"));
  EXPECT_FALSE(HasExtraSettings(dataFolder(), "Empty"));
  EXPECT_TRUE(HasExtraSettings(dataFolder(), "Empty:L"));
  EXPECT_FALSE(HasExtraSettings(dataFolder(), ":Empty")) << "a leading colon does not make a layer";
  const auto lines = ExtraSettingLines(dataFolder(), "Button:L");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(ExtraEntryName(lines.back()), "LayerBlendOrder");
  EXPECT_EQ(ExtraEntryName(ExtraSettingLines(dataFolder(), "Button")[0]), "GlowSize");

  const ExtraDefinition d = ReadExtraDefinition(dataFolder(), "GlowSize", "Button");
  EXPECT_EQ(d.description, "GlowSize");
  EXPECT_EQ(d.section, "Button");
  EXPECT_EQ(d.name, "GlowSize");
  EXPECT_EQ(d.type, 1);
  EXPECT_EQ(d.rangeMin, 0);
  EXPECT_EQ(d.rangeMax, 40);
  EXPECT_EQ(d.value0, "Disabled");
  EXPECT_EQ(d.value2, "2");
}

TEST_F(CatalogueTest, PreviewPicturesSkipNoShowAndOtherTypes) {
  temp.write("skins/Tessera7/previews/Start.PNG", "png");
  temp.write("skins/Tessera7/previews/hidden.png", "png");
  temp.write("skins/Tessera7/previews/notes.txt", "text");
  catalogue("previews.ini", "[hidden.png]\r\nNoShow=1\r\n[Start.PNG]\r\nSectionName=StartMenu\r\n");
  catalogue("subsections.ini", "[StartMenu]\r\nDescription=Start menu\r\n");
  const auto pictures = PreviewPictures(dataFolder());
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].slotValue, "tessera7\\previews\\start.png");
  EXPECT_EQ(pictures[0].fileName, "Start.PNG");
  EXPECT_EQ(pictures[0].sectionName, "StartMenu");
}

TEST_F(CatalogueTest, APreviewPictureOpensOnlyACatalogueSection) {
  catalogue("subsections.ini", "[Buttons]\r\nDescription=Push buttons\r\n[Tab.Pane]\r\nDescription=Tabs\r\n");
  catalogue("previews.ini",
            "[pushbuttons.png]\r\nSectionName=Buttons\r\n[tessera7\\previews\\tabs.png]\r\nSectionName=Tab.Pane\r\n"
            "[plain.png]\r\nNoShow=0\r\n[wrong.png]\r\nSectionName=NoSuchSection\r\n");
  EXPECT_EQ(PreviewPictureEntry(dataFolder(), "pushbuttons.png"), "Buttons");
  EXPECT_EQ(PreviewPictureEntry(dataFolder(), "PushButtons.PNG"), "Buttons");
  EXPECT_EQ(PreviewPictureEntry(dataFolder(), "tabs.png"), "Tab.Pane");
  // Neither the picture's own name nor an unknown section opens an editor.
  EXPECT_EQ(PreviewPictureEntry(dataFolder(), "plain.png"), "");
  EXPECT_EQ(PreviewPictureEntry(dataFolder(), "wrong.png"), "");
  EXPECT_EQ(PreviewPictureEntry(dataFolder(), "unlisted.png"), "");
}

}  // namespace
}  // namespace tessera
