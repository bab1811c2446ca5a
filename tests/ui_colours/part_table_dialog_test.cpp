#include "ui/colours/part_table_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/platform/files.h"
#include "core/skin/skin_document.h"
#include "support/modal_dialogs.h"
#include "ui/colours/edit_colours_dialog.h"
#include "ui/colours/edit_fonts_dialog.h"
#include "ui/colours/part_row_delegate.h"
#include "ui/pages/caption_choosers.h"
#include "ui_colours/colours_fixture.h"

namespace tessera::ui {
namespace {

constexpr std::string_view kColourTemplate = "2\r\n1, 0, 0, 51, 153, \r\n3, 1, 255, 0, 0, \r\n";
constexpr std::string_view kFontTemplate = "2\r\n1, 0, Segoe UI, 12, 400, 0, 0, \r\n2, 0, Segoe UI, 9, 700, 1, 0, \r\n";

class PartTableDialogTest : public testing::ColoursDialogTest {
 protected:
  void SetUp() override {
    ColoursDialogTest::SetUp();
    colourTemplate = catalogue("TesseraTemplates/Fonts/ControlPanel.colours", kColourTemplate);
    catalogue("TesseraTemplates/Fonts/ControlPanel.font", kFontTemplate);
    catalogue("TesseraTemplates/Fonts/TaskDialog.colours", "1\r\n7, 7, 1, 2, 3, \r\n");
    catalogue("vistaBits.ini",
              "[ControlPanel.colours]\r\n1.0=Title\r\n3.1=Link\r\n"
              "[ControlPanel.font]\r\n1.0=Title\r\n2.0=Body text\r\n");
    catalogue("subsections.ini", "[ControlPanel.VFonts]\r\nDescription=Control panel\r\n");
    openSkin("[TitlebarSkin]\r\nSkinName=S\r\n");
    previousFontChooser = TextFontChooser();
  }
  void TearDown() override {
    TextFontChooser() = previousFontChooser;
    ColoursDialogTest::TearDown();
  }
  static QPushButton* button(QDialog& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text() == text) return b;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
  }
  std::string colourTemplate;
  FontChooser previousFontChooser;
};

TEST_F(PartTableDialogTest, ClassesAndRecordsShowTheirCatalogueNames) {
  PartTableDialog dialog(SkinDocument::current(), PartKind::Colours);
  EXPECT_EQ(dialog.windowTitle(), "Modify Vista / 7 part colours");
  ASSERT_EQ(dialog.classList()->count(), 13);
  EXPECT_EQ(dialog.classList()->itemText(0), "Control panel");
  EXPECT_EQ(dialog.classList()->itemText(1), "TaskDialog.VFonts");  // no description: the class name
  ASSERT_EQ(dialog.recordList()->count(), 2);
  EXPECT_EQ(dialog.recordList()->item(1)->text(), "Link");
  EXPECT_EQ(dialog.recordList()->item(1)->data(kPartColourRole).toUInt(), MakeColorRef(255, 0, 0));
  // The preview shows the selected record in its colour.
  EXPECT_EQ(dialog.preview()->palette().color(QPalette::Window), QColor(0, 51, 153));
  dialog.recordList()->setCurrentRow(1);
  EXPECT_EQ(dialog.preview()->palette().color(QPalette::Window), QColor(255, 0, 0));
  // Another class lists its own table (here without display names).
  dialog.classList()->setCurrentIndex(1);
  ASSERT_EQ(dialog.recordList()->count(), 1);
  EXPECT_EQ(dialog.records()[0].part, 7);

  PartTableDialog fonts(SkinDocument::current(), PartKind::Fonts);
  EXPECT_EQ(fonts.windowTitle(), "Modify Vista part fonts");
  ASSERT_EQ(fonts.recordList()->count(), 2);
  EXPECT_EQ(fonts.recordList()->item(1)->text(), "Body text");
  EXPECT_EQ(fonts.recordList()->item(1)->data(kPartSampleRole).toString(), "Segoe UI 9 Italics  Bold ");
}

TEST_F(PartTableDialogTest, AColourChangeIsOneUndoStepAndCancelTakesItBack) {
  SkinDocument document(skinsFolder() + "/S");
  scriptChooser(MakeColorRef(10, 20, 30));
  {
    PartTableDialog dialog(SkinDocument::current(), PartKind::Colours);
    dialog.show();
    dialog.recordList()->setCurrentRow(1);
    button(dialog, "Change colour...")->click();
    EXPECT_EQ(chooserStarts, std::vector<ColorRef>{MakeColorRef(255, 0, 0)});
    EXPECT_EQ(skinValue("ControlPanel.VFonts", "Colours"), "S\\S.uis_ControlPanel.colours");
    EXPECT_EQ(temp.read("skins/S/S.uis_ControlPanel.colours"), "2\r\n1, 0, 0, 51, 153, \r\n3, 1, 10, 20, 30, \r\n");
    EXPECT_EQ(files::readAll(colourTemplate), std::string(kColourTemplate));
    EXPECT_EQ(dialog.recordList()->item(1)->data(kPartColourRole).toUInt(), MakeColorRef(10, 20, 30));
    EXPECT_EQ(dialog.recordList()->currentRow(), 1);
    document.commitPendingStep();
    EXPECT_EQ(document.undoStack()->count(), 1);

    // Undo takes back the key and the table together; the list follows.
    document.undoStack()->undo();
    EXPECT_FALSE(skinValue("ControlPanel.VFonts", "Colours"));
    EXPECT_FALSE(files::exists(skinsFolder() + "/S/S.uis_ControlPanel.colours"));
    document.undoStack()->redo();
    EXPECT_TRUE(skinValue("ControlPanel.VFonts", "Colours"));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_FALSE(skinValue("ControlPanel.VFonts", "Colours"));
  EXPECT_FALSE(files::exists(skinsFolder() + "/S/S.uis_ControlPanel.colours"));

  // Close keeps the change.
  PartTableDialog dialog(SkinDocument::current(), PartKind::Colours);
  dialog.show();
  button(dialog, "Change colour...")->click();
  button(dialog, "Close")->click();
  EXPECT_EQ(skinValue("ControlPanel.VFonts", "Colours"), "S\\S.uis_ControlPanel.colours");
}

TEST_F(PartTableDialogTest, AFontChangeStoresTheChosenFontAndRevertShowsTheTemplate) {
  std::vector<QString> starts;
  TextFontChooser() = [&starts](const QFont& initial, QWidget*) -> std::optional<QFont> {
    starts.push_back(initial.family() + QLatin1Char(' ') + QString::number(initial.pointSize()));
    QFont chosen(QStringLiteral("Caf\u00e9 Sans"));
    chosen.setPointSize(14);
    chosen.setWeight(QFont::Bold);
    chosen.setUnderline(true);
    return chosen;
  };
  PartTableDialog dialog(SkinDocument::current(), PartKind::Fonts);
  dialog.recordList()->setCurrentRow(1);
  emit dialog.recordList()->itemDoubleClicked(dialog.recordList()->item(1));
  EXPECT_EQ(starts, std::vector<QString>{"Segoe UI 9"});
  EXPECT_EQ(skinValue("ControlPanel.VFonts", "Fonts"), "S\\S.uis_ControlPanel.font");
  // The face is stored in the skin's 8-bit code page.
  EXPECT_EQ(temp.read("skins/S/S.uis_ControlPanel.font"),
            "2\r\n1, 0, Segoe UI, 12, 400, 0, 0, \r\n2, 0, Caf\xe9 Sans, 14, 700, 0, 1, \r\n");
  EXPECT_EQ(dialog.recordList()->item(1)->data(kPartSampleRole).toString(), QStringLiteral("Caf\u00e9 Sans 14 Underlined  Bold "));

  button(dialog, "Revert section to defaults")->click();
  EXPECT_FALSE(skinValue("ControlPanel.VFonts", "Fonts"));
  EXPECT_EQ(dialog.records()[1].face, "Segoe UI");
  EXPECT_TRUE(files::exists(skinsFolder() + "/S/S.uis_ControlPanel.font"));
}

TEST_F(PartTableDialogTest, TheColoursAndFontsEditorsOpenThePartDialogs) {
  EditColoursDialog colours(SkinDocument::current());
  {
    const auto opened = testing::WhenModal<PartTableDialog>([](PartTableDialog* dialog) {
      EXPECT_EQ(dialog->kind(), PartKind::Colours);
      dialog->reject();
    });
    button(colours, "Edit Vista / 7 part colours...")->click();
  }
  EditFontsDialog fonts(SkinDocument::current());
  {
    const auto opened = testing::WhenModal<PartTableDialog>([](PartTableDialog* dialog) {
      EXPECT_EQ(dialog->kind(), PartKind::Fonts);
      dialog->reject();
    });
    button(fonts, "Modify Vista / 7 part fonts...")->click();
  }
}

}  // namespace
}  // namespace tessera::ui
