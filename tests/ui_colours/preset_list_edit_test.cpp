// "..." beside a colour or font preset list opens its editor at the preset chosen in the list.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include "support/modal_dialogs.h"
#include "ui/colours/colour_row_delegate.h"
#include "ui/colours/edit_colours_dialog.h"
#include "ui/colours/edit_fonts_dialog.h"
#include "ui/colours/font_row_delegate.h"
#include "ui/sheet/skin_preset_list.h"
#include "ui_colours/colours_fixture.h"

namespace tessera::ui {
namespace {

using PresetListEditTest = testing::ColoursDialogTest;

TEST_F(PresetListEditTest, TheEditorOpensAtThePresetChosenInTheList) {
  openSkin(
      "[Colour2]\r\nColour=1 2 3\r\n[Colour5]\r\nColour=4 5 6\r\n[Colour7]\r\nR=255\r\n"
      "[Font1]\r\nFontName=Tahoma\r\n[Font4]\r\nFontName=Arial\r\n");
  QWidget parent;
  SkinPresetList colours(SkinPresetList::Kind::Colours, &parent, SkinDocument::current());
  ASSERT_EQ(colours.list()->count(), 4);  // "OS Default" and three presets
  colours.list()->setCurrentIndex(3);
  int opened = -1;
  {
    const auto editor = testing::WhenModal<EditColoursDialog>([&opened](EditColoursDialog* dialog) {
      opened = dialog->colourList()->currentItem()->data(kColourNumberRole).toInt();
      dialog->accept();
    });
    QTest::mouseClick(colours.editButton(), Qt::LeftButton);
  }
  EXPECT_EQ(opened, 7);

  // "OS Default" opens the editor at its first preset.
  colours.list()->setCurrentIndex(0);
  {
    const auto editor = testing::WhenModal<EditColoursDialog>([&opened](EditColoursDialog* dialog) {
      opened = dialog->colourList()->currentItem()->data(kColourNumberRole).toInt();
      dialog->accept();
    });
    QTest::mouseClick(colours.editButton(), Qt::LeftButton);
  }
  EXPECT_EQ(opened, 2);

  SkinPresetList fonts(SkinPresetList::Kind::Fonts, &parent, SkinDocument::current());
  fonts.list()->setCurrentIndex(2);
  {
    const auto editor = testing::WhenModal<EditFontsDialog>([&opened](EditFontsDialog* dialog) {
      opened = dialog->fontList()->currentItem()->data(kFontItemRole).toInt();
      dialog->accept();
    });
    QTest::mouseClick(fonts.editButton(), Qt::LeftButton);
  }
  EXPECT_EQ(opened, 4);
}

}  // namespace
}  // namespace tessera::ui
