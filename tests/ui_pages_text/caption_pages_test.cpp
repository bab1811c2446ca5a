#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "sheet/sheet_fixture.h"
#include "ui/colours/colour_choosers.h"
#include "ui/pages/caption_choosers.h"
#include "ui/pages/caption_margins_panel.h"
#include "ui/pages/caption_personality_pages.h"
#include "ui/pages/caption_text_pages.h"
#include "ui/sheet/skin_preset_list.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_sheet/fake_editor.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;

void typeInto(QSpinBox* box, const char* text) {
  box->selectAll();
  QTest::keyClicks(box, text);
}

class CaptionPagesTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  void TearDown() override {
    CurrentColourChooser() = saved.first;
    TextFontChooser() = saved.second;
    SheetEnvironmentTest::TearDown();
  }
  FakeEditor editor{"WindowFrame.Caption", "WindowFrame.Caption"};
  std::pair<ColourChooser, FontChooser> saved{CurrentColourChooser(), TextFontChooser()};
};

TEST_F(CaptionPagesTest, CaptionTextSettingsWriteToSectionCaption) {
  openSkin("[Caption]\r\nTextLeftShift=6\r\nTextAlignMode=1\r\n");
  CaptionTextSettingsPage page(editor);
  page.show();
  CaptionMarginsPanel* margins = page.margins();
  EXPECT_TRUE(margins->alignmentButton(1)->isChecked());
  EXPECT_EQ(margins->leftNoIconBox()->value(), 6);

  typeInto(margins->leftBox(), "15");
  EXPECT_EQ(skinValue("Caption", "TextLeftShift"), "15");
  EXPECT_EQ(margins->leftNoIconBox()->value(), 15);
  EXPECT_FALSE(skinValue("Caption", "TextLeftShiftNoIcon"));
  QTest::mouseClick(margins->alignmentButton(2), Qt::LeftButton);
  EXPECT_EQ(skinValue("Caption", "TextAlignMode"), "2");
  typeInto(margins->topBox(), "-3");
  EXPECT_EQ(skinValue("Caption", "TextTopShift"), "-3");
  EXPECT_FALSE(skinValue("WindowFrame.Caption", "TextLeftShift"));
  EXPECT_TRUE(page.refreshTimer()->isPending());

  // Once the no-icon margin has a key of its own it no longer follows.
  typeInto(margins->leftNoIconBox(), "2");
  typeInto(margins->leftBox(), "30");
  EXPECT_EQ(margins->leftNoIconBox()->value(), 2);
}

TEST_F(CaptionPagesTest, CaptionFontObjectsCountPresetsFromOne) {
  openSkin("[Font0]\r\nFontName=Arial\r\n[Font2]\r\nFontName=Tahoma\r\nName=Title\r\n"
           "[Caption]\r\nTitlebarFontObject=255\r\nTitlebarFontObjectInActive=3\r\n");
  CaptionTextSettingsPage page(editor);
  page.show();
  EXPECT_EQ(page.activeFontList()->list()->currentText(), "OS Default");
  EXPECT_EQ(page.inactiveFontList()->list()->currentText(), "Title");

  QTest::keyClick(page.activeFontList()->list(), Qt::Key_Down);
  EXPECT_EQ(skinValue("Caption", "TitlebarFontObject"), "1");
  QTest::keyClick(page.inactiveFontList()->list(), Qt::Key_Home);
  EXPECT_FALSE(skinValue("Caption", "TitlebarFontObjectInActive"));
}

TEST_F(CaptionPagesTest, ChangeFontWritesAllFourKeys) {
  openSkin("[Caption]\r\nFontName=Old\r\nFontHeight=11\r\n");
  QFont offered;
  TextFontChooser() = [&offered](const QFont& initial, QWidget*) -> std::optional<QFont> {
    offered = initial;
    QFont chosen(QStringLiteral("Serif"));
    chosen.setPointSize(14);
    chosen.setWeight(QFont::Bold);
    chosen.setItalic(true);
    return chosen;
  };
  CaptionTextSettingsPage page(editor);
  page.show();
  QTest::mouseClick(page.fontButton(), Qt::LeftButton);
  EXPECT_EQ(offered.pointSize(), 11);
  EXPECT_EQ(skinValue("Caption", "FontName"), "Serif");
  EXPECT_EQ(skinValue("Caption", "FontHeight"), "14");
  EXPECT_EQ(skinValue("Caption", "FontWeight"), "700");
  EXPECT_EQ(skinValue("Caption", "FontItalics"), "1");

  // Cancelling the chooser writes nothing.
  TextFontChooser() = [](const QFont&, QWidget*) -> std::optional<QFont> { return std::nullopt; };
  openSkin("[Caption]\r\n");
  QTest::mouseClick(page.fontButton(), Qt::LeftButton);
  EXPECT_FALSE(skinValue("Caption", "FontName"));
}

TEST_F(CaptionPagesTest, ClickActionsStoreTheEntryLessOne) {
  const std::string text = "[Caption]\r\nDoubleClickAction=1\r\n";
  openSkin(text);
  CaptionClickSettingsPage page(editor);
  EXPECT_EQ(page.doubleClickList()->currentText(), "Minimize window");
  EXPECT_EQ(page.rightClickList()->currentText(), "Perform OS default action");
  EXPECT_EQ(temp.read("skins/S/S.uis~"), text);
  page.rightClickList()->setCurrentIndex(8);
  EXPECT_EQ(page.rightClickList()->currentText(), "Minimize window to system tray");
  EXPECT_EQ(skinValue("Caption", "RightClickAction"), "7");
  page.doubleClickList()->setCurrentIndex(0);
  EXPECT_FALSE(skinValue("Caption", "DoubleClickAction"));
}

TEST_F(CaptionPagesTest, CaptionPageWritesToPersonality) {
  openSkin("[Personality]\r\nTextShift=4\r\nTextRightClip=5\r\nTextRightClipNoIcon=8\r\nTextOnBottom=2\r\n");
  CaptionPage page(editor);
  page.show();
  CaptionMarginsPanel* margins = page.margins();
  EXPECT_EQ(margins->leftNoIconBox()->value(), 4);
  EXPECT_EQ(margins->rightNoIconBox()->value(), 8);
  EXPECT_FALSE(page.onBottomBox()->isChecked());

  typeInto(margins->leftBox(), "9");
  EXPECT_EQ(skinValue("Personality", "TextShift"), "9");
  EXPECT_EQ(margins->leftNoIconBox()->value(), 9);
  typeInto(margins->rightBox(), "1");
  EXPECT_EQ(margins->rightNoIconBox()->value(), 8);
  QTest::mouseClick(page.onBottomBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Personality", "TextOnBottom"), "1");
  QTest::mouseClick(margins->alignmentButton(1), Qt::LeftButton);
  EXPECT_EQ(skinValue("Personality", "TextAlignment"), "1");
  EXPECT_FALSE(skinValue("Caption", "TextShift"));
}

TEST_F(CaptionPagesTest, TextSettingsColoursAreThreeKeysAndShowInTheirSwatches) {
  openSkin("[Personality]\r\nActiveTextR=10\r\nActiveTextG=20\r\nActiveTextB=30\r\n");
  QColor offered;
  CurrentColourChooser() = [&offered](QWidget*, ColorRef initial) -> std::optional<ColorRef> {
    offered = ColourToQt(initial);
    return MakeColorRef(200, 100, 50);
  };
  TextSettingsPage page(editor);
  page.show();
  using P = TextSettingsPage;
  EXPECT_EQ(page.colourSwatch(P::kActiveColour)->palette().color(QPalette::Window), QColor(10, 20, 30));
  QTest::mouseClick(page.colourButton(P::kActiveColour), Qt::LeftButton);
  EXPECT_EQ(offered, QColor(10, 20, 30));
  EXPECT_EQ(skinValue("Personality", "ActiveTextR"), "200");
  EXPECT_EQ(skinValue("Personality", "ActiveTextG"), "100");
  EXPECT_EQ(skinValue("Personality", "ActiveTextB"), "50");
  EXPECT_EQ(page.colourSwatch(P::kActiveColour)->palette().color(QPalette::Window), QColor(200, 100, 50));
  QTest::mouseClick(page.colourButton(P::kShadowColour), Qt::LeftButton);
  EXPECT_EQ(offered, QColor(0, 0, 0));
  EXPECT_EQ(skinValue("Text", "ShadowTextR"), "200");
  QTest::mouseClick(page.colourButton(P::kInactiveColour), Qt::LeftButton);
  EXPECT_EQ(skinValue("Personality", "InactiveTextB"), "50");
  EXPECT_TRUE(page.refreshTimer()->isPending());
}

TEST_F(CaptionPagesTest, TextSettingsShadowTextAndFont) {
  openSkin("[Text]\r\nShadowOffset=2\r\nUse3DText=1\r\n[Personality]\r\nFrontString=[ \r\n");
  TextFontChooser() = [](const QFont&, QWidget*) -> std::optional<QFont> {
    QFont chosen(QStringLiteral("Mono"));
    chosen.setPointSize(8);
    return chosen;
  };
  TextSettingsPage page(editor);
  page.show();
  EXPECT_TRUE(page.shadowModeButton(1)->isChecked());
  EXPECT_EQ(page.shadowYBox()->value(), 2);
  typeInto(page.shadowXBox(), "4");
  EXPECT_EQ(skinValue("Text", "ShadowOffset"), "4");
  EXPECT_EQ(page.shadowYBox()->value(), 4);
  EXPECT_FALSE(skinValue("Text", "ShadowOffsetY"));
  QTest::mouseClick(page.shadowModeButton(2), Qt::LeftButton);
  EXPECT_EQ(skinValue("Text", "Use3DText"), "2");
  QTest::mouseClick(page.noInactiveShadowBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Text", "NoShadowInactiveText"), "1");

  EXPECT_EQ(page.frontText()->text(), "[");
  page.endText()->setFocus();
  QTest::keyClicks(page.endText(), " ]");
  // Blanks at either end survive the INI read.
  EXPECT_EQ(skinValue("Personality", "EndString"), " ]");
  EXPECT_NE(temp.read("skins/S/S.uis~").find("EndString=\" ]\""), std::string::npos);

  QTest::mouseClick(page.fontButton(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Fonts", "FontName"), "Mono");
  EXPECT_EQ(skinValue("Fonts", "FontHeight"), "8");
  EXPECT_EQ(skinValue("Fonts", "FontWeight"), "400");
  EXPECT_EQ(skinValue("Fonts", "FontItalics"), "0");
}

}  // namespace
}  // namespace tessera::ui
