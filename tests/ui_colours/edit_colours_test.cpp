#include "ui/colours/edit_colours_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTest>

#include "core/colours/skin_colours.h"
#include "ui/colours/colour_row_delegate.h"
#include "ui/colours/screen_pick_icon.h"
#include "ui/colours/system_colour_sample.h"
#include "ui_colours/colours_fixture.h"

namespace tessera::ui {
namespace {

class EditColoursTest : public testing::ColoursDialogTest {
 protected:
  QPushButton* button(EditColoursDialog& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text() == text) return b;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
  }
  QStringList rows(EditColoursDialog& dialog) {
    QStringList texts;
    for (int i = 0; i < dialog.colourList()->count(); ++i) texts << dialog.colourList()->item(i)->text();
    return texts;
  }
};

TEST_F(EditColoursTest, PresetsAreListedAndTheNameEditRenamesThem) {
  openSkin("[Colour2]\r\nColour=0 128 0\r\n[Colour7]\r\nR=255\r\n");
  EditColoursDialog dialog(SkinDocument::current());
  EXPECT_EQ(dialog.windowTitle(), "Edit Colours");
  EXPECT_EQ(rows(dialog), (QStringList{"Skin colour : Colour 2 - 0 128 0", "Skin colour : Colour 7"}));
  EXPECT_EQ(dialog.colourList()->item(1)->data(kColourValueRole).toUInt(), MakeColorRef(255, 0, 0));
  // Selecting shows the name without its prefix and stores nothing.
  EXPECT_EQ(dialog.nameEdit()->text(), "Colour 2 - 0 128 0");
  EXPECT_FALSE(skinValue("Colour2", "Name"));

  dialog.nameEdit()->selectAll();
  QTest::keyClicks(dialog.nameEdit(), "Leaf");
  EXPECT_EQ(skinValue("Colour2", "Name"), "Leaf");
  emit dialog.nameEdit()->editingFinished();
  EXPECT_EQ(dialog.colourList()->item(0)->text(), "Skin colour : Leaf");
  EXPECT_EQ(dialog.colourList()->currentRow(), 0);

  dialog.nameEdit()->selectAll();
  QTest::keyClick(dialog.nameEdit(), Qt::Key_Backspace);
  EXPECT_FALSE(skinValue("Colour2", "Name"));
  EXPECT_EQ(skinValue("Colour2", "Colour"), "0 128 0");
}

TEST_F(EditColoursTest, AddPresetFollowsTheLastRowAndStopsAtFifty) {
  openSkin("[Colour0]\r\nColour=1 1 1\r\n[Colour3]\r\nColour=2 2 2\r\n");
  EditColoursDialog dialog(SkinDocument::current());
  button(dialog, "Add new colour preset")->click();
  EXPECT_EQ(skinValue("Colour4", "Colour"), "0 0 0");
  EXPECT_EQ(dialog.colourList()->currentItem()->text(), "Colour4");
  EXPECT_EQ(dialog.colourList()->currentItem()->data(kColourNumberRole).toInt(), 4);

  std::string all;
  for (int i = 0; i < 50; ++i) all += "[Colour" + std::to_string(i) + "]\r\nColour=1 1 1\r\n";
  openSkin(all);
  EditColoursDialog full(SkinDocument::current());
  button(full, "Add new colour preset")->click();
  EXPECT_EQ(full.colourList()->count(), 50);
  EXPECT_FALSE(skinValue("Colour50", "Colour"));
}

TEST_F(EditColoursTest, ChangeColourStoresThePresetOrTheSystemColour) {
  openSkin("[Colour1]\r\nColour=10 20 30\r\n[Colours]\r\nActiveTitle=1 2 3\r\n");
  EditColoursDialog dialog(SkinDocument::current());
  scriptChooser(std::nullopt);
  button(dialog, "Change colour...")->click();
  EXPECT_EQ(chooserStarts, (std::vector<ColorRef>{MakeColorRef(10, 20, 30)}));
  EXPECT_EQ(skinValue("Colour1", "Colour"), "10 20 30");

  scriptChooser(MakeColorRef(200, 100, 50));
  button(dialog, "Change colour...")->click();
  EXPECT_EQ(skinValue("Colour1", "Colour"), "200 100 50");
  EXPECT_EQ(dialog.colourList()->item(0)->text(), "Skin colour : Colour 1 - 200 100 50");

  dialog.modeList()->setCurrentIndex(EditColoursDialog::SystemColours);
  dialog.colourList()->setCurrentRow(1);  // GradientActiveTitle, not set by the skin
  chooserStarts.clear();
  scriptChooser(MakeColorRef(7, 8, 9));
  button(dialog, "Change colour...")->click();
  EXPECT_EQ(chooserStarts, (std::vector<ColorRef>{PlatformSystemColour(27)}));
  EXPECT_EQ(profile::FindValue("Colours", "GradientActiveTitle", mainFile()), "7 8 9");
  EXPECT_EQ(profile::FindValue("Colours", "ActiveTitle", mainFile()), "1 2 3");
}

TEST_F(EditColoursTest, SystemModeListsEveryKeyWithItsCatalogueTexts) {
  catalogue("systemcolours.ini",
            "[ActiveTitle]\r\nFriendlyName=Active title bar\r\nDescription=The left end of the title bar.\r\n");
  openSkin("[Colour0]\r\nColour=1 1 1\r\n");
  EditColoursDialog dialog(SkinDocument::current());
  EXPECT_TRUE(button(dialog, "Import existing system colours")->isHidden());
  dialog.modeList()->setCurrentIndex(EditColoursDialog::SystemColours);
  const QStringList keys = rows(dialog);
  ASSERT_EQ(keys.size(), 30);
  EXPECT_EQ(keys.first(), "ActiveTitle");
  EXPECT_EQ(keys[12], "MenuBar");
  EXPECT_EQ(keys.last(), "InactiveBorder");
  EXPECT_EQ(dialog.colourList()->item(0)->data(kColourTitleRole).toString(), "Active title bar");
  EXPECT_EQ(dialog.colourList()->item(1)->data(kColourTitleRole).toString(), "GradientActiveTitle");
  EXPECT_FALSE(dialog.nameEdit()->isEnabled());
  EXPECT_TRUE(button(dialog, "Add new colour preset")->isHidden());
  EXPECT_FALSE(button(dialog, "Import existing system colours")->isHidden());
  EXPECT_TRUE(dialog.usedByList()->isHidden());
  bool described = false;
  for (QLabel* label : dialog.findChildren<QLabel*>()) described |= label->text() == "The left end of the title bar.";
  EXPECT_TRUE(described);
}

TEST_F(EditColoursTest, ImportAsksAndWritesThePlatformColours) {
  openSkin("[Colours]\r\nWindow=1 1 1\r\n");
  EditColoursDialog dialog(SkinDocument::current());
  dialog.modeList()->setCurrentIndex(EditColoursDialog::SystemColours);
  {
    AnsweringPrompt no(PromptAnswer::No);
    button(dialog, "Import existing system colours")->click();
    ASSERT_EQ(no.questions.size(), 1u);
    EXPECT_EQ(no.questions[0],
              "Import system colours?: Are you sure you want to replace the skin system colours with the currently "
              "applied system colours?");
    EXPECT_EQ(profile::FindValue("Colours", "Window", mainFile()), "1 1 1");
  }
  AnsweringPrompt yes(PromptAnswer::Yes);
  button(dialog, "Import existing system colours")->click();
  EXPECT_EQ(profile::FindValue("Colours", "Window", mainFile()), FormatColourValue(PlatformSystemColour(5)));
  EXPECT_EQ(profile::FindValue("Colours", "MenuHilight", mainFile()), FormatColourValue(PlatformSystemColour(29)));
  EXPECT_EQ(dialog.colourList()->item(6)->data(kColourValueRole).toUInt(), PlatformSystemColour(5));
}

TEST_F(EditColoursTest, PickedScreenColourReplacesTheSelectedColourOnYes) {
  openSkin("[Colour0]\r\nColour=1 1 1\r\n");
  EditColoursDialog dialog(SkinDocument::current());
  dialog.show();
  dialog.picker()->setPixelReader([](const QPoint&) { return std::optional<ColorRef>(MakeColorRef(40, 50, 60)); });
  {
    AnsweringPrompt no(PromptAnswer::No);
    QTest::mousePress(dialog.picker(), Qt::LeftButton);
    QTest::mouseRelease(dialog.picker(), Qt::LeftButton);
    ASSERT_EQ(no.questions.size(), 1u);
    EXPECT_EQ(no.questions[0], "Replace colour?: Do you want to replace this colour with the colour you just picked?");
    EXPECT_EQ(skinValue("Colour0", "Colour"), "1 1 1");
  }
  AnsweringPrompt yes(PromptAnswer::Yes);
  QTest::mousePress(dialog.picker(), Qt::LeftButton);
  QTest::mouseRelease(dialog.picker(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Colour0", "Colour"), "40 50 60");
}

TEST_F(EditColoursTest, UsedByListsTheSectionsOfThePreset) {
  catalogue("subsections.ini", "[Button]\r\nDescription=Push buttons\r\n");
  openSkin("[Colour3]\r\nColour=1 1 1\r\n[Colour4]\r\nColour=2 2 2\r\n[Button]\r\nTextColour=3\r\n"
           "[Label]\r\nPressedColour=4\r\n");
  EditColoursDialog dialog(SkinDocument::current());
  dialog.flushUsedBy();
  ASSERT_EQ(dialog.usedByList()->count(), 1);
  EXPECT_EQ(dialog.usedByList()->item(0)->text(), "Push buttons");
  dialog.colourList()->setCurrentRow(1);
  // The list follows the selection after its short delay.
  dialog.flushUsedBy();
  ASSERT_EQ(dialog.usedByList()->count(), 1);
  EXPECT_EQ(dialog.usedByList()->item(0)->text(), QString("Label"));
}

// The sample window paints with the skin's colours where it sets them.
TEST_F(EditColoursTest, SampleWindowUsesTheSkinsSystemColours) {
  openSkin("[Colours]\r\nActiveTitle=200 0 0\r\nGradientActiveTitle=200 0 0\r\nWindow=0 0 250\r\n");
  EditColoursDialog dialog(SkinDocument::current());
  dialog.modeList()->setCurrentIndex(EditColoursDialog::SystemColours);
  auto* sample = dialog.findChild<SystemColourSample*>();
  ASSERT_NE(sample, nullptr);
  sample->resize(300, 220);
  const QImage shot = sample->grab().toImage();
  auto count = [&](const QColor& colour) {
    int n = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x) n += shot.pixelColor(x, y).rgb() == colour.rgb();
    return n;
  };
  EXPECT_GT(count(QColor(200, 0, 0)), 500);
  EXPECT_GT(count(QColor(0, 0, 250)), 500);
}

// The data folder's logo takes the row's colour wherever it is opaque, scaled by its alpha.
TEST_F(EditColoursTest, RowLogoIsTintedWithTheRowColour) {
  QImage logo(8, 8, QImage::Format_ARGB32);
  logo.fill(QColor(255, 255, 255, 255));
  logo.setPixelColor(0, 0, QColor(255, 255, 255, 0));
  ASSERT_TRUE(logo.save(QString::fromStdString(dataFolder() + "/colourlogo.png")));
  QStandardItemModel model;
  auto* item = new QStandardItem(QStringLiteral("Skin colour : Blue"));
  item->setData(static_cast<uint>(MakeColorRef(0, 0, 250)), kColourValueRole);
  model.appendRow(item);
  QImage row(200, kColourRowHeight, QImage::Format_ARGB32_Premultiplied);
  row.fill(Qt::white);
  QPainter painter(&row);
  QStyleOptionViewItem option;
  option.rect = row.rect();
  ColourRowDelegate().paint(&painter, option, model.index(0, 0));
  painter.end();
  const int top = (kColourRowHeight - 8) / 2;
  EXPECT_EQ(row.pixelColor(4 + 3, top + 3).rgb(), QColor(0, 0, 250).rgb());
  EXPECT_EQ(row.pixelColor(4, top).rgb(), QColor(Qt::white).rgb());  // the transparent corner
}

TEST(SwatchOutlineTest, MovesLightnessTowardsTheMiddleAndHalvesSaturation) {
  EXPECT_EQ(SwatchOutline(QColor(0, 0, 0)).lightness(), 26);
  EXPECT_EQ(SwatchOutline(QColor(255, 255, 255)).lightness(), 230);
  const QColor red = SwatchOutline(QColor(255, 0, 0)).toHsl();
  EXPECT_EQ(red.hslHue(), 0);
  EXPECT_NEAR(red.hslSaturationF(), 0.5, 0.01);
  EXPECT_NEAR(red.lightnessF(), 0.6, 0.01);
}

// A swatch whose colour is the list's own (black on a dark list, white on a light one) gets a ring
// in the text colour around it; a swatch that shows by itself does not.
TEST(ColourRowDelegateTest, ASwatchLikeItsBackgroundIsRingedSoItShows) {
  const auto ringPixel = [](const QColor& colour, const QPalette& palette) {
    QStandardItemModel model;
    auto* item = new QStandardItem(QStringLiteral("Skin colour : Text"));
    item->setData(static_cast<uint>(MakeColorRef(colour.red(), colour.green(), colour.blue())), kColourValueRole);
    model.appendRow(item);
    QImage row(200, kColourRowHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&row);
    QStyleOptionViewItem option;
    option.rect = row.rect();
    option.palette = palette;
    ColourRowDelegate().paint(&painter, option, model.index(0, 0));
    painter.end();
    // Two pixels left of the 50-pixel swatch, half-way down it.
    return row.pixelColor((200 - 50) / 2 - 2, 3 + 27 / 2);
  };
  QPalette dark;
  dark.setColor(QPalette::Base, QColor(30, 30, 32));
  dark.setColor(QPalette::Text, QColor(225, 225, 225));
  EXPECT_GT(ringPixel(Qt::black, dark).lightness(), 90) << "a black swatch shows on a dark list";
  QPalette light;
  light.setColor(QPalette::Base, Qt::white);
  light.setColor(QPalette::Text, Qt::black);
  EXPECT_LT(ringPixel(Qt::white, light).lightness(), 180) << "a white swatch shows on a white list";
  EXPECT_EQ(ringPixel(QColor(23, 114, 100), dark), QColor(30, 30, 32)) << "a coloured swatch needs no ring";
  EXPECT_TRUE(SwatchBlendsIn(SwatchOutline(Qt::black), QColor(30, 30, 32)));
  EXPECT_FALSE(SwatchBlendsIn(SwatchOutline(Qt::black), Qt::white));
}

}  // namespace
}  // namespace tessera::ui
