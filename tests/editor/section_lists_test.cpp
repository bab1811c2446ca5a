#include <gtest/gtest.h>

#include "core/editor/section_tree.h"
#include "core/editor/task_pane.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

class SectionListsTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    temp.write("skins/Tessera7/subsections3.ini",
               "[1]\r\nButtons=1\r\nButtons.Flat\r\nSplit=1\r\nOnlySeven=1\r\nNotes=10\r\nLink.Name=11\r\n"
               "[4]\r\nScrollbar=1\r\n[35]\r\nCloseButton=1\r\n[7]\r\nHidden=1\r\n");
    temp.write("skins/Tessera7/subsections4.ini",
               "[1]\r\nDescription=Controls\\Push buttons\r\nName=Push buttons\r\nSection=1\r\n"
               "[4]\r\nDescription=Controls\\Scroll bars\r\nName=Bars of scrolling\r\nSection=4\r\n"
               "[35]\r\nDescription=Title bar buttons\r\nSection=35\r\n"
               "[7]\r\nDescription=Vista things\r\nNotXP=1\r\n");
    temp.write("skins/Tessera7/subsections.ini",
               "[Buttons]\r\nDescription=Push buttons\r\nSection=1\r\n"
               "[Buttons.Flat]\r\nDescription=Flat buttons\r\nSubItem=2\r\nNotXP=1\r\n"
               "[Split]\r\nDescription=Split buttons\r\nSubItem=1\r\nNotVista=1\r\n"
               "[OnlySeven]\r\nDescription=Seven only\r\nSevenOnly=1\r\n"
               "[Notes]\r\nDescription=Never shown\r\nSubItem=1\r\n"
               "[Scrollbar]\r\nDescription=Scroll bar arrows\r\nSection=4\r\n"
               "[Font.vfonts]\r\nDescription=Scroll fonts\r\n"
               "[Described]\r\nDescription=Scroll described\r\nDescription2=More\r\n");
    temp.write("skins/Tessera7/previewStates.ini", "[1]\r\nNormal=1\r\nMouse over=2\r\nA=b=3\r\n[4]\r\nOnly=1\r\n");
  }
};

TEST_F(SectionListsTest, TaskPaneListsTheGroupWithTextsMarksAndSelection) {
  const TaskPane pane = BuildTaskPane(1, "buttons.flat", 1);
  EXPECT_EQ(pane.topOffset, 0);
  const auto& e = pane.entries;
  EXPECT_EQ(e[0].section, "Buttons");
  EXPECT_EQ(e[0].text, "Push buttons");
  EXPECT_FALSE(e[0].selected);
  EXPECT_TRUE(e[1].selected);  // names compare without case
  EXPECT_EQ(e[1].type, 1);     // no type after the name
  EXPECT_EQ(e[1].subItem, 2);
  EXPECT_EQ(e[1].osMark, 1);
  EXPECT_FALSE(e[1].visible);  // not on XP, and the target is XP
  EXPECT_EQ(e[2].osMark, 2);
  EXPECT_TRUE(e[2].visible);
  EXPECT_EQ(e[3].osMark, 3);
  EXPECT_FALSE(e[3].visible);
  // Headings and plain-name entries show their names; headings are never sub-items.
  EXPECT_EQ(e[4].text, "Notes");
  EXPECT_EQ(e[4].subItem, 0);
  EXPECT_EQ(e[5].text, "Link.Name");
  EXPECT_EQ(e[5].type, 11);
  EXPECT_TRUE(e[6].empty);
  EXPECT_EQ(pane.next.index, kNextEntryIndex);
  EXPECT_EQ(pane.next.text, "Next ==>");
  EXPECT_EQ(pane.previous.index, kPreviousEntryIndex);
  EXPECT_EQ(pane.previous.text, "<== Previous");
}

TEST_F(SectionListsTest, TaskPaneOfAnEmptyGroupKeepsItsTopOffsetAndNeverOverflows) {
  EXPECT_EQ(BuildTaskPane(99, "", 0).topOffset, 20);
  std::string many = "[2]\r\n";
  for (int i = 0; i < 40; ++i) many += "E" + std::to_string(i) + "=1\r\n";
  temp.write("skins/Tessera7/subsections3.ini", many);
  const TaskPane pane = BuildTaskPane(2, "", 0);
  EXPECT_EQ(pane.entries.back().section, "E29");
}

TEST_F(SectionListsTest, PreviewStatesAreTheTextsBeforeTheLastEquals) {
  EXPECT_EQ(PreviewStateNames(1), (std::vector<std::string>{"Normal", "Mouse over", "A=b"}));
  EXPECT_EQ(PreviewStateNames(4).size(), 1u);
  EXPECT_TRUE(PreviewStateNames(2).empty());
}

TEST_F(SectionListsTest, TreeSplitsDescriptionsAndFiltersGroupsAndSections) {
  const SectionTree tree = BuildSectionTree(1, -1);
  ASSERT_EQ(tree.groups.size(), 3u);  // group 7 is not for XP
  EXPECT_EQ(tree.groups[0].parentText, "Controls");
  EXPECT_EQ(tree.groups[0].text, "Push buttons");
  EXPECT_EQ(tree.groups[1].parentText, "Controls");
  EXPECT_EQ(tree.groups[1].text, "Scroll bars");
  EXPECT_EQ(tree.groups[2].parentText, "");
  EXPECT_EQ(tree.groups[2].group, 35);
  std::vector<std::string> group1;
  for (const TreeEntryNode& entry : tree.entries) {
    if (entry.groupNode == 0) group1.push_back(entry.heading ? "#" + entry.text : entry.section);
  }
  // Flat buttons (not XP) and the Windows 7 section are left out; the type 10 line is a heading.
  EXPECT_EQ(group1, (std::vector<std::string>{"Buttons", "Split", "#Notes", "Link.Name"}));
  EXPECT_EQ(tree.entries[0].text, "Push buttons");
  EXPECT_EQ(tree.entries[0].groupSection, 1);
}

TEST_F(SectionListsTest, TreeLeavesOutTitleBarButtonGroupsWithoutButtons) {
  const SectionTree tree = BuildSectionTree(0, 0);
  for (const TreeGroupNode& group : tree.groups) EXPECT_NE(group.group, 35);
  EXPECT_EQ(tree.groups.size(), 3u);
}

TEST_F(SectionListsTest, SearchMatchesNamesDescriptionsAndGroupNames) {
  const auto sections = [](const std::vector<SearchHit>& hits) {
    std::vector<std::string> names;
    for (const SearchHit& hit : hits) names.push_back(hit.section);
    return names;
  };
  // Only the group name of Scrollbar (group 4) holds "OF SCROLL".
  const std::vector<SearchHit> byGroup = SearchSections("of scroll");
  EXPECT_EQ(sections(byGroup), (std::vector<std::string>{"Scrollbar"}));
  EXPECT_EQ(byGroup[0].text, "Scroll bar arrows");
  // Font sections and sections with a second description are never listed.
  EXPECT_EQ(sections(SearchSections("SCROLL")), (std::vector<std::string>{"Scrollbar"}));
  EXPECT_EQ(sections(SearchSections("split")), (std::vector<std::string>{"Split"}));
  EXPECT_TRUE(SearchSections("nothing like it").empty());
  EXPECT_TRUE(SearchSections("").empty());
}

}  // namespace
}  // namespace tessera
