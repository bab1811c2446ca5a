#include "ui/colours/edit_fonts_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/app/preview_engine.h"
#include "core/colours/font_preview_colours.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "support/modal_dialogs.h"
#include "ui/colours/change_font_dialog.h"
#include "ui/colours/font_preview.h"
#include "ui/colours/font_row_delegate.h"
#include "ui_colours/colours_fixture.h"

namespace tessera::ui {
namespace {

constexpr int kMenuRole = 3;

class EditFontsTest : public testing::ColoursDialogTest {
 protected:
  QPushButton* button(EditFontsDialog& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text() == text) return b;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
  }
  QStringList entries(QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    return texts;
  }
};

TEST_F(EditFontsTest, PresetsAreListedWithTheirFaceAndSize) {
  openSkin("[Font3]\r\nFontName=Tahoma\r\n[Font5]\r\nFontName=Verdana\r\nFontHeight=-11\r\nName=Menus\r\n"
           "[SystemFont0]\r\nFontName=Arial\r\n");
  EditFontsDialog dialog(SkinDocument::current());
  EXPECT_EQ(dialog.windowTitle(), "Edit Fonts");
  QListWidget* list = dialog.fontList();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "Font 3 - Tahoma");
  EXPECT_EQ(FontRowDetail(list->item(0)->data(kFontFaceRole).toString(), list->item(0)->data(kFontHeightRole).toInt()),
            "Tahoma, 8");
  EXPECT_EQ(list->item(1)->text(), "Menus");
  EXPECT_EQ(list->item(1)->data(kFontItemRole).toInt(), 5);
  EXPECT_EQ(dialog.nameEdit()->text(), "Font 3 - Tahoma");
  EXPECT_FALSE(skinValue("Font3", "Name"));
  EXPECT_FALSE(dialog.roleList(0)->isVisibleTo(&dialog));

  dialog.modeList()->setCurrentIndex(EditFontsDialog::SystemFonts);
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->data(kFontItemRole).toInt(), 100);
  EXPECT_TRUE(dialog.usedByList()->isHidden());
  EXPECT_TRUE(dialog.roleList(0)->isVisibleTo(&dialog));
}

TEST_F(EditFontsTest, NameEditWritesTheSelectedFontsOwnSection) {
  openSkin("[Font1]\r\nFontName=Tahoma\r\n[SystemFont1]\r\nFontName=Arial\r\n");
  EditFontsDialog dialog(SkinDocument::current());
  dialog.modeList()->setCurrentIndex(EditFontsDialog::SystemFonts);
  dialog.nameEdit()->selectAll();
  QTest::keyClicks(dialog.nameEdit(), "Captions");
  EXPECT_EQ(skinValue("SystemFont1", "Name"), "Captions");
  EXPECT_FALSE(skinValue("Font1", "Name"));
  emit dialog.nameEdit()->editingFinished();
  EXPECT_EQ(dialog.fontList()->item(0)->text(), "Captions");
  dialog.nameEdit()->selectAll();
  QTest::keyClick(dialog.nameEdit(), Qt::Key_Delete);
  EXPECT_FALSE(skinValue("SystemFont1", "Name"));
}

TEST_F(EditFontsTest, RoleListsWriteTheChosenSystemFont) {
  openSkin("[SystemFont0]\r\nFontName=Arial\r\n[SystemFont1]\r\nFontName=Tahoma\r\n[SystemFonts]\r\nSystemIcon=1\r\n");
  EditFontsDialog dialog(SkinDocument::current());
  dialog.show();
  dialog.modeList()->setCurrentIndex(EditFontsDialog::SystemFonts);
  QComboBox* menu = dialog.roleList(kMenuRole);
  EXPECT_EQ(entries(menu), (QStringList{"OS Default", "Font 0 - Arial", "Font 1 - Tahoma"}));
  EXPECT_EQ(menu->currentIndex(), 0);
  EXPECT_EQ(dialog.roleList(0)->currentIndex(), 2);

  menu->setFocus();
  QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Down);
  EXPECT_EQ(skinValue("SystemFonts", "SystemMenu"), "1");
  QTest::keyClick(menu, Qt::Key_Home);
  EXPECT_EQ(menu->currentIndex(), 0);
  EXPECT_FALSE(skinValue("SystemFonts", "SystemMenu"));
  EXPECT_EQ(skinValue("SystemFonts", "SystemIcon"), "1");
}

TEST_F(EditFontsTest, AddingAFirstSystemFontMakesNumberZeroAndOffersItToTheRoles) {
  openSkin("");
  EditFontsDialog dialog(SkinDocument::current());
  dialog.modeList()->setCurrentIndex(EditFontsDialog::SystemFonts);
  button(dialog, "Add new font")->click();
  EXPECT_EQ(skinValue("SystemFont0", "FontName"), "Arial");
  EXPECT_EQ(skinValue("SystemFont0", "FontHeight"), "-8");
  ASSERT_EQ(dialog.fontList()->count(), 1);
  EXPECT_EQ(dialog.fontList()->currentItem()->data(kFontItemRole).toInt(), 100);
  EXPECT_EQ(entries(dialog.roleList(kMenuRole)), (QStringList{"OS Default", "Font 0 - Arial"}));

  dialog.modeList()->setCurrentIndex(EditFontsDialog::Presets);
  button(dialog, "Add new font")->click();
  EXPECT_EQ(skinValue("Font0", "FontName"), "Arial");
  EXPECT_EQ(dialog.fontList()->currentItem()->text(), "Font0");
}

TEST_F(EditFontsTest, UsedByListsTheSectionsOfTheFont) {
  catalogue("subsections.ini", "[Button]\r\nDescription=Push buttons\r\n");
  openSkin("[Font3]\r\nFontName=Tahoma\r\n[Button]\r\nTextFont=3\r\n[Label]\r\nTextColour=3\r\n",
           "[Clock]\r\nNormalFont=3\r\n");
  EditFontsDialog dialog(SkinDocument::current());
  dialog.flushUsedBy();
  ASSERT_EQ(dialog.usedByList()->count(), 2);
  EXPECT_EQ(dialog.usedByList()->item(0)->text(), "Push buttons");
  EXPECT_EQ(dialog.usedByList()->item(1)->text(), "Clock");
}

TEST_F(EditFontsTest, ChangeFontRunsTheDialogAndRefreshesTheList) {
  openSkin("[Font2]\r\nFontName=Tahoma\r\n");
  EditFontsDialog dialog(SkinDocument::current());
  bool ran = false;
  const auto shown = testing::WhenModal<ChangeFontDialog>([&](ChangeFontDialog* change) {
    ran = true;
    change->italics()->setChecked(true);
    change->sizeBox()->setEditText("12");
    for (QPushButton* b : change->findChildren<QPushButton*>())
      if (b->text().remove('&') == "OK") b->click();
  });
  dialog.changeFont();
  EXPECT_TRUE(ran);
  EXPECT_EQ(skinValue("Font2", "Italics"), "1");
  EXPECT_EQ(skinValue("Font2", "FontHeight"), "12");
  EXPECT_EQ(dialog.fontList()->item(0)->data(kFontHeightRole).toInt(), 12);
}

TEST_F(EditFontsTest, ChangeFontWithAnEmptyListDoesNothing) {
  openSkin("");
  EditFontsDialog dialog(SkinDocument::current());
  dialog.changeFont();  // would block on a modal dialog if one were opened
  EXPECT_EQ(dialog.fontList()->count(), 0);
  EXPECT_FALSE(skinValue("Font0", "FontName"));
}

TEST_F(EditFontsTest, PreviewIsDrawnByTheEngineInThePreviewColours) {
  static DynamicLibrary module(ModulePath(tessera::testing::StandinFolder(), "vuzudiv"));
  BindPreviewLibrary(module);
  ASSERT_TRUE(Preview().isBound());
  profile::WriteString("Tessera", "FontPreviewBack", std::to_string(MakeColorRef(0, 0, 255)), FontPreviewColoursFile());
  openSkin("[Font0]\r\nFontName=DejaVu Sans\r\nFontHeight=24\r\n");
  Preview().LoadUISFile(mainFile());
  EditFontsDialog dialog(SkinDocument::current());
  dialog.preview()->resize(240, 80);
  const QColor blue(0, 0, 255);
  auto countNot = [](const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).rgb() != colour.rgb();
    return n;
  };
  const QImage shown = dialog.preview()->render();
  EXPECT_EQ(shown.pixelColor(0, 0).rgb(), blue.rgb());
  EXPECT_GT(countNot(shown, blue), 20);

  // The background swatch changes the preview of this dialog only.
  scriptChooser(MakeColorRef(0, 255, 0));
  QTest::mouseClick(dialog.backSwatch(), Qt::LeftButton);
  EXPECT_EQ(dialog.preview()->render().pixelColor(0, 0).rgb(), QColor(0, 255, 0).rgb());
  EXPECT_EQ(ReadFontPreviewColours().back, MakeColorRef(0, 0, 255));
  Preview().unbind();
}

}  // namespace
}  // namespace tessera::ui
