#include "ui/colours/change_font_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "ui/colours/font_preview.h"
#include "ui_colours/colours_fixture.h"

namespace tessera::ui {
namespace {

class ChangeFontTest : public testing::ColoursDialogTest {
 protected:
  void press(ChangeFontDialog& dialog, QDialogButtonBox::StandardButton which) {
    dialog.findChild<QDialogButtonBox*>()->button(which)->click();
  }
  QString firstFace(ChangeFontDialog& dialog) { return dialog.faceList()->item(0)->text(); }
};

TEST_F(ChangeFontTest, LoadsTheStoredSettings) {
  openSkin("[Font1]\r\nFontName=NoSuchFace\r\nFontHeight=-11\r\nFontWeight=700\r\nDrawingStyle=2\r\n"
           "Italics=1\r\nShadowR=10\r\nShadowG=20\r\nShadowB=30\r\nShadowOffset=2\r\nFontAngle=900\r\n");
  ChangeFontDialog dialog(1);
  EXPECT_EQ(dialog.windowTitle(), "Change font");
  EXPECT_EQ(dialog.faceList()->currentItem(), nullptr);
  EXPECT_EQ(dialog.sizeBox()->currentText(), "-11");
  EXPECT_EQ(dialog.sizeBox()->itemText(0), "-4");
  EXPECT_EQ(dialog.sizeBox()->itemText(dialog.sizeBox()->count() - 1), "-72");
  EXPECT_EQ(dialog.weightList()->currentText(), "Bold");
  EXPECT_EQ(dialog.styleList()->currentText(), "Outlined text");
  EXPECT_TRUE(dialog.italics()->isChecked());
  EXPECT_FALSE(dialog.underline()->isChecked());
  EXPECT_TRUE(dialog.rotate()->isChecked());
  EXPECT_EQ(dialog.shadowSwatch()->colour(), MakeColorRef(10, 20, 30));
  EXPECT_EQ(dialog.offsetX()->value(), 2);
  EXPECT_EQ(dialog.offsetY()->value(), 2);
}

TEST_F(ChangeFontTest, PositiveHeightsOfferThePositiveSizes) {
  openSkin("[Font1]\r\nFontName=Arial\r\n");
  ChangeFontDialog dialog(1);
  EXPECT_EQ(dialog.sizeBox()->currentText(), "8");
  EXPECT_EQ(dialog.sizeBox()->itemText(0), "4");
  EXPECT_EQ(ChangeFontDialog::SizeList(true).size(), 18);
}

TEST_F(ChangeFontTest, OkWritesEveryKeyInItsStoredForm) {
  openSkin("[Font1]\r\nFontName=NoSuchFace\r\nItalics=1\r\nShadowOffsetY=4\r\n");
  ChangeFontDialog dialog(1);
  ASSERT_GT(dialog.faceList()->count(), 0);
  dialog.faceList()->setCurrentRow(0);
  dialog.sizeBox()->setEditText("-15");
  dialog.weightList()->setCurrentIndex(4);
  dialog.styleList()->setCurrentIndex(1);
  dialog.italics()->setChecked(false);
  dialog.underline()->setChecked(true);
  dialog.rotate()->setChecked(true);
  dialog.offsetX()->setValue(2);
  dialog.offsetY()->setValue(1);
  scriptChooser(MakeColorRef(5, 6, 7));
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    if (b->text() == "Change shadow colour...") b->click();
  press(dialog, QDialogButtonBox::Ok);

  EXPECT_EQ(skinValue("Font1", "FontName"), firstFace(dialog).toStdString());
  EXPECT_EQ(skinValue("Font1", "FontHeight"), "-15");
  EXPECT_EQ(skinValue("Font1", "FontWeight"), "500");
  EXPECT_EQ(skinValue("Font1", "DrawingStyle"), "1");
  EXPECT_FALSE(skinValue("Font1", "Italics"));
  EXPECT_EQ(skinValue("Font1", "Underline"), "1");
  EXPECT_EQ(skinValue("Font1", "ShadowR"), "5");
  EXPECT_EQ(skinValue("Font1", "ShadowG"), "6");
  EXPECT_EQ(skinValue("Font1", "ShadowB"), "7");
  EXPECT_EQ(skinValue("Font1", "ShadowOffset"), "2");
  EXPECT_EQ(skinValue("Font1", "ShadowOffsetY"), "1");
  EXPECT_EQ(skinValue("Font1", "FontAngle"), "900");
}

TEST_F(ChangeFontTest, UnknownFaceStaysAndCancelWritesNothing) {
  const std::string text = "[Font1]\r\nFontName=NoSuchFace\r\nFontHeight=9\r\n";
  openSkin(text);
  {
    ChangeFontDialog dialog(1);
    dialog.italics()->setChecked(true);
    press(dialog, QDialogButtonBox::Cancel);
  }
  EXPECT_EQ(temp.read("skins/S/S.uis~"), text);
  ChangeFontDialog dialog(1);
  press(dialog, QDialogButtonBox::Ok);
  EXPECT_EQ(skinValue("Font1", "FontName"), "NoSuchFace");
  EXPECT_EQ(skinValue("Font1", "FontHeight"), "9");
}

TEST_F(ChangeFontTest, SystemFontsHaveNoRotationOrShadow) {
  openSkin("[SystemFont2]\r\nFontName=Arial\r\nFontHeight=-8\r\n[Font2]\r\nFontName=Tahoma\r\n");
  ChangeFontDialog dialog(102);
  EXPECT_TRUE(dialog.rotate()->isHidden());
  EXPECT_TRUE(dialog.shadowSettings()->isHidden());
  EXPECT_EQ(dialog.sizeBox()->currentText(), "-8");
  dialog.underline()->setChecked(true);
  press(dialog, QDialogButtonBox::Ok);
  EXPECT_EQ(skinValue("SystemFont2", "Underline"), "1");
  EXPECT_FALSE(skinValue("Font2", "Underline"));
}

}  // namespace
}  // namespace tessera::ui
