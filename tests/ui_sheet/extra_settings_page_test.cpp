#include "ui/sheet/extra_settings_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include "sheet/sheet_fixture.h"
#include "ui_sheet/fake_editor.h"
#include "ui/sheet/extra_value_editor.h"
#include "ui_skin/dialog_test_support.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;

class ExtraSettingsPageTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    catalogue("extras.ini",
              "[Personality]\r\nMenuShadow=0\r\nMinimizeEffect=0\r\nTextColour=0\r\nTextFont=0\r\n"
              "Highlight=0\r\nSpacing=0\r\n");
    catalogue("extraDetails.ini",
              "[MenuShadow]\r\nDescription=Menu shadow\r\nType=2\r\nText=Draw a shadow under popup menus.\r\n"
              "[MinimizeEffect]\r\nType=3\r\nVALUE0=None\r\nVALUE1=Slide\r\nVALUE2=Fade\r\n0=0\r\n1=1\r\n2=2\r\n"
              "[TextColour]\r\nType=4\r\nDefault=-1\r\n"
              "[TextFont]\r\nType=5\r\nDefault=-1\r\n"
              "[Highlight]\r\nName=MenuHighlightRGB\r\nType=7\r\n"
              "[Spacing]\r\nSection=Buttons\r\nName=ButtonSpacing\r\nRangeMin=0\r\nRangeMax=50\r\n");
    openSkin("[Personality]\r\nMenuShadow=0\r\nMinimizeEffect=1\r\nTextColour=1\r\n"
             "[Colour0]\r\nColour=255 0 0\r\nName=Red\r\n[Colour3]\r\nColour=0 0 255\r\nName=Blue\r\n"
             "[Font0]\r\nFontName=Tahoma\r\n");
  }
  FakeEditor editor{"Personality", "Personality"};
};

TEST_F(ExtraSettingsPageTest, ListsEntriesWithValuesAndShowsTheSelectedNote) {
  ExtraSettingsPage page(editor);
  QTreeWidget* list = page.entryList();
  ASSERT_EQ(list->topLevelItemCount(), 6);
  EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
  EXPECT_EQ(list->topLevelItem(0)->text(0), "Menu shadow");
  EXPECT_EQ(list->topLevelItem(0)->text(1), "Disabled");
  EXPECT_EQ(list->topLevelItem(1)->text(1), "Slide");
  EXPECT_EQ(list->topLevelItem(4)->text(1), "not set");
  EXPECT_EQ(page.noteText(), "Draw a shadow under popup menus.");
  EXPECT_FALSE(page.valueEditor()->flagBox()->isChecked());
}

TEST_F(ExtraSettingsPageTest, FlagAndChoiceWriteTheirValues) {
  ExtraSettingsPage page(editor);
  QTest::mouseClick(page.valueEditor()->flagBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Personality", "MenuShadow"), "1");
  EXPECT_EQ(page.entryList()->topLevelItem(0)->text(1), "Enabled");

  page.selectEntry(1);
  EXPECT_TRUE(page.valueEditor()->choiceButton(1)->isChecked());
  EXPECT_EQ(page.valueEditor()->choiceButton(2)->text(), "Fade");
  // Showing the entry wrote nothing.
  EXPECT_EQ(skinValue("Personality", "MinimizeEffect"), "1");
  QTest::mouseClick(page.valueEditor()->choiceButton(2), Qt::LeftButton);
  EXPECT_EQ(skinValue("Personality", "MinimizeEffect"), "2");
  EXPECT_EQ(page.entryList()->topLevelItem(1)->text(1), "Fade");
}

TEST_F(ExtraSettingsPageTest, ChoiceOptionsMapThroughTheDefinitionKeys) {
  catalogue("extraDetails.ini", "[MinimizeEffect]\r\nType=3\r\n0=5\r\n1=7\r\n2=9\r\n");
  openSkin("[Personality]\r\nMinimizeEffect=9\r\n");
  ExtraSettingsPage page(editor);
  page.selectEntry(1);
  EXPECT_TRUE(page.valueEditor()->choiceButton(2)->isChecked());
  QTest::mouseClick(page.valueEditor()->choiceButton(0), Qt::LeftButton);
  EXPECT_EQ(skinValue("Personality", "MinimizeEffect"), "5");
}

TEST_F(ExtraSettingsPageTest, PresetListsWritePresetNumbersAndOsDefaultDeletes) {
  ExtraSettingsPage page(editor);
  page.selectEntry(2);
  QComboBox* colours = page.valueEditor()->colourPresetList();
  ASSERT_EQ(colours->count(), 3);
  EXPECT_EQ(colours->itemText(0), "OS Default");
  EXPECT_EQ(colours->itemText(2), "Skin colour : Blue");
  // TextColour=1 names no preset of this skin (it has Colour0 and Colour3): nothing is selected.
  EXPECT_EQ(colours->currentIndex(), -1);
  colours->setCurrentIndex(2);
  emit colours->activated(2);
  EXPECT_EQ(skinValue("Personality", "TextColour"), "3");
  colours->setCurrentIndex(0);
  emit colours->activated(0);
  EXPECT_FALSE(skinValue("Personality", "TextColour"));

  page.selectEntry(3);
  QComboBox* fonts = page.valueEditor()->fontPresetList();
  ASSERT_EQ(fonts->count(), 2);
  EXPECT_EQ(fonts->currentIndex(), 0);
  EXPECT_EQ(fonts->itemText(1), "Tahoma, 8");
  emit fonts->activated(1);
  EXPECT_EQ(skinValue("Personality", "TextFont"), "0");
}

TEST_F(ExtraSettingsPageTest, ColourChooserWritesCommaSeparatedRgb) {
  ExtraSettingsPage page(editor);
  page.selectEntry(4);
  auto chooser = ui::testing::WhenModal<QColorDialog>([](QColorDialog* dialog) {
    dialog->setCurrentColor(QColor(255, 0, 0));
    dialog->accept();
  });
  QTest::mouseClick(page.valueEditor()->colourButton(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Personality", "MenuHighlightRGB"), "255, 0, 0");
  EXPECT_EQ(page.entryList()->topLevelItem(4)->text(1), "255, 0, 0");
  // Cancelling writes nothing.
  chooser = ui::testing::WhenModal<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
  QTest::mouseClick(page.valueEditor()->colourButton(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Personality", "MenuHighlightRGB"), "255, 0, 0");
}

TEST_F(ExtraSettingsPageTest, NumbersAreLimitedAndWrittenToTheTargetSection) {
  ExtraSettingsPage page(editor);
  page.selectEntry(5);
  QSpinBox* box = page.valueEditor()->numberBox();
  EXPECT_EQ(box->maximum(), 50);
  box->selectAll();
  QTest::keyClicks(box, "77");
  EXPECT_EQ(skinValue("Buttons", "ButtonSpacing"), "7");
  box->setValue(12);
  EXPECT_EQ(skinValue("Buttons", "ButtonSpacing"), "12");
  EXPECT_FALSE(skinValue("Personality", "ButtonSpacing"));
}

TEST_F(ExtraSettingsPageTest, LayerSectionEditsTheLayerEntries) {
  FakeEditor layerEditor("Button:Glow", "Button");
  ExtraSettingsPage page(layerEditor);
  ASSERT_EQ(page.entryList()->topLevelItemCount(), 6);
  EXPECT_EQ(page.entryList()->topLevelItem(4)->text(0), "AlignLayerMode");
  page.selectEntry(4);
  page.valueEditor()->numberBox()->setValue(2);
  EXPECT_EQ(skinValue("Button:Glow", "AlignLayerMode"), "2");
}

}  // namespace
}  // namespace tessera::ui
