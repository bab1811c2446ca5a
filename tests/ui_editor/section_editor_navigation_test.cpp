#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include "core/platform/settings.h"
#include "editor_fixture.h"
#include "ui/editor/section_editor_window.h"
#include "ui/editor/task_pane_list.h"

namespace tessera::ui {
namespace {

// Positions 1..38 of the linear order name sections P1..P38; P<n> is in group 1 with SecID n.
class NavigationTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    std::string linear;
    std::string catalogue;
    for (int n = 1; n <= 38; ++n) {
      const std::string name = "P" + std::to_string(n);
      linear += "[" + std::to_string(n) + "]\r\n1=" + name + "\r\n";
      catalogue += "[" + name + "]\r\nDescription=Part " + std::to_string(n) + "\r\nSection=" +
                   std::to_string(n < 30 ? 1 : 2) + "\r\nSecID=" + std::to_string(n) + "\r\n";
      if (n == 2) catalogue += "SubPreviewIndex=2\r\n";
    }
    catalogue += "[Arrows]\r\nDescription=Arrows\r\nSection=4\r\n";
    temp.write("skins/Tessera7/linear.ini", linear);
    temp.write("skins/Tessera7/subsections.ini", catalogue);
    temp.write("skins/Tessera7/subsections3.ini",
               "[1]\r\nP1=1\r\nP2=1\r\nP3=1\r\n[2]\r\nP37=1\r\nP38=1\r\n[4]\r\nArrows=1\r\n");
    temp.write("skins/Tessera7/subsections4.ini",
               "[1]\r\nDescription=Controls\\Parts\r\nName=Parts\r\nSection=1\r\n"
               "[2]\r\nDescription=Controls\\Late parts\r\nSection=2\r\n"
               "[4]\r\nDescription=Bars\\Scroll bars\r\nName=Scroll bars\r\nSection=4\r\n");
    temp.write("skins/Tessera7/previewStates.ini", "[1]\r\nNormal=1\r\nHot=2\r\nPressed=3\r\n[2]\r\nOnly=1\r\n");
  }
};

TEST_F(NavigationTest, TaskPaneListsTheGroupAndAClickSelectsAnEntry) {
  openSkin("[Personality]\r\nButtonCount=3\r\n");
  SectionEditorWindow editor(SkinDocument::current(), "P1");
  ASSERT_FALSE(editor.usesTree());
  TaskPaneList* pane = editor.taskPane();
  ASSERT_EQ(pane->count(), 5);
  EXPECT_EQ(pane->item(1)->text(), "Part 2");
  EXPECT_EQ(pane->item(3)->text(), "Next ==>");
  EXPECT_EQ(pane->item(4)->text(), "<== Previous");
  EXPECT_TRUE(editor.previewStateList()->isVisibleTo(&editor));
  editor.taskPaneClick(1);
  EXPECT_EQ(editor.currentSection(), "P2");
  EXPECT_EQ(editor.currentTopLevelSection(), "P2");
  EXPECT_EQ(editor.previewStateList()->currentIndex(), 2);  // its SubPreviewIndex
}

TEST_F(NavigationTest, NextWrapsAndPreviousSkipsTheButtonPositionsOfASkinWithoutButtons) {
  openSkin("[Personality]\r\nButtonCount=0\r\n");
  SectionEditorWindow editor(SkinDocument::current(), "P38");
  EXPECT_EQ(editor.linearPosition(), 38);
  editor.taskPaneClick(kNextEntryIndex);
  EXPECT_EQ(editor.currentSection(), "P1");
  EXPECT_EQ(editor.titleLabel()->text(), "Part 1");
  EXPECT_EQ(editor.group(), 1);
  EXPECT_EQ(editor.taskPane()->item(0)->text(), "Part 1");
  editor.taskPaneClick(kPreviousEntryIndex);
  EXPECT_EQ(editor.currentSection(), "P34");
  EXPECT_EQ(editor.group(), 2);
  EXPECT_FALSE(editor.previewStateList()->isVisibleTo(&editor));  // group 2 has one state
  // 28 and 27 are passed over with ButtonCount 0.
  for (int i = 0; i < 5; ++i) editor.taskPaneClick(kPreviousEntryIndex);
  EXPECT_EQ(editor.currentSection(), "P29");
  editor.taskPaneClick(kPreviousEntryIndex);
  EXPECT_EQ(editor.currentSection(), "P26");
}

TEST_F(NavigationTest, WithoutButtonCountTheTitleBarButtonsArePassedOver) {
  openSkin("[TitlebarSkin]\r\nSkinName=S\r\n");
  SectionEditorWindow editor(SkinDocument::current(), "P26");
  editor.taskPaneClick(kNextEntryIndex);
  EXPECT_EQ(editor.currentSection(), "P27");
  editor.taskPaneClick(kNextEntryIndex);
  EXPECT_EQ(editor.currentSection(), "P29");
}

class TreeTest : public NavigationTest {
 protected:
  void SetUp() override {
    NavigationTest::SetUp();
    WriteSetting(settings::UseTree, "1");
    openSkin("[Personality]\r\nButtonCount=3\r\n");
  }
};

TEST_F(TreeTest, TreeGroupsUnderSharedParentsAndSelectsTheCurrentSection) {
  SectionEditorWindow editor(SkinDocument::current(), "P2");
  ASSERT_TRUE(editor.usesTree());
  QTreeWidget* tree = editor.sectionTree();
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), "Controls");
  EXPECT_EQ(tree->topLevelItem(0)->childCount(), 2);
  EXPECT_EQ(tree->topLevelItem(0)->child(1)->text(0), "Late parts");
  ASSERT_NE(tree->currentItem(), nullptr);
  EXPECT_EQ(tree->currentItem()->text(0), "Part 2");

  tree->setCurrentItem(tree->topLevelItem(1)->child(0)->child(0));
  EXPECT_EQ(editor.currentSection(), "Arrows");
  EXPECT_EQ(editor.group(), 4);
  EXPECT_EQ(editor.titleLabel()->text(), "Arrows");
}

TEST_F(TreeTest, SearchFindsSectionsByGroupNameAndChoosingAHitSelectsIt) {
  SectionEditorWindow editor(SkinDocument::current(), "P1");
  editor.show();
  QTest::keyClicks(editor.searchBox(), "scroll");
  EXPECT_FALSE(editor.sectionTree()->isVisible());
  ASSERT_EQ(editor.searchResults()->count(), 1);
  EXPECT_EQ(editor.searchResults()->item(0)->text(), "Arrows");
  const QRect hit = editor.searchResults()->visualItemRect(editor.searchResults()->item(0));
  EXPECT_EQ(hit.height(), 40);
  QTest::mouseClick(editor.searchResults()->viewport(), Qt::LeftButton, {}, hit.center());
  settle();
  EXPECT_EQ(editor.currentSection(), "Arrows");
  EXPECT_TRUE(editor.searchBox()->text().isEmpty());
  EXPECT_TRUE(editor.sectionTree()->isVisible());
  EXPECT_EQ(editor.sectionTree()->currentItem()->text(0), "Arrows");

  QTest::keyClicks(editor.searchBox(), "zzz");
  EXPECT_TRUE(editor.noMatchLabel()->isVisible());
  EXPECT_EQ(editor.noMatchLabel()->text(), "No items matching your search have been found");
  editor.searchBox()->clear();
  EXPECT_TRUE(editor.sectionTree()->isVisible());
  EXPECT_FALSE(editor.noMatchLabel()->isVisible());
}

}  // namespace
}  // namespace tessera::ui

namespace tessera::ui {
namespace {

// Section names are Windows-1252 bytes; the tree and the search hand back the same bytes.
class NonAsciiSectionTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    WriteSetting(settings::UseTree, "1");
    temp.write("skins/Tessera7/subsections.ini",
               "[Plain]\r\nDescription=Plain\r\nSection=1\r\n"
               "[B\xFCtton \x80\xA9]\r\nDescription=Caf\xE9 button\r\nSection=1\r\n");
    temp.write("skins/Tessera7/subsections3.ini", "[1]\r\nPlain=1\r\nB\xFCtton \x80\xA9=1\r\n");
    temp.write("skins/Tessera7/subsections4.ini", "[1]\r\nDescription=Controls\\Parts\r\nName=Parts\r\nSection=1\r\n");
    openSkin("[Plain]\r\n[B\xFCtton \x80\xA9]\r\nImage=x\r\n");
  }
};

TEST_F(NonAsciiSectionTest, TreeAndSearchSelectTheSectionByItsOwnBytes) {
  SectionEditorWindow editor(SkinDocument::current(), "Plain");
  editor.show();
  editor.searchBox()->setText(QString::fromUtf8("café"));  // keyClicks types ASCII only
  ASSERT_EQ(editor.searchResults()->count(), 1);
  const QRect hit = editor.searchResults()->visualItemRect(editor.searchResults()->item(0));
  QTest::mouseClick(editor.searchResults()->viewport(), Qt::LeftButton, {}, hit.center());
  settle();
  EXPECT_EQ(editor.currentSection(), "B\xFCtton \x80\xA9");

  auto treeItem = [&](const QString& text) -> QTreeWidgetItem* {
    for (QTreeWidgetItemIterator it(editor.sectionTree()); *it; ++it)
      if ((*it)->text(0) == text) return *it;
    return nullptr;
  };
  ASSERT_NE(treeItem("Plain"), nullptr);
  editor.sectionTree()->setCurrentItem(treeItem("Plain"));
  EXPECT_EQ(editor.currentSection(), "Plain");
  ASSERT_NE(treeItem(QString::fromUtf8("Café button")), nullptr);
  editor.sectionTree()->setCurrentItem(treeItem(QString::fromUtf8("Café button")));
  EXPECT_EQ(editor.currentSection(), "B\xFCtton \x80\xA9");
  EXPECT_EQ(editor.titleLabel()->text(), QString::fromUtf8("Café button"));
}

}  // namespace
}  // namespace tessera::ui
