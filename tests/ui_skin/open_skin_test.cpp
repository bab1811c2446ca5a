#include <gtest/gtest.h>

#include <QProxyStyle>
#include <QTest>

#include "core/app/preview_engine.h"
#include "core/platform/environment.h"
#include "core/platform/shell.h"
#include "core/skin/skin_session.h"
#include "dialog_test_support.h"
#include "support/eventually.h"
#include "ui/skin/authors_link.h"
#include "ui/skin/busy_bar.h"
#include "ui/skin/display_scale.h"
#include "ui/skin/new_skin_dialog.h"
#include "ui/skin/open_skin_dialog.h"
#include "ui/skin/skin_dialogs.h"
#include "ui/skin/skin_info_panel.h"
#include "ui/skin/skin_preview.h"

namespace tessera::ui {
namespace {

using testing::WhenModal;

class OpenSkinDialogTest : public testing::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    static DynamicLibrary previewModule(ModulePath(tessera::testing::StandinFolder(), "vuzudiv"));
    BindPreviewLibrary(previewModule);
    InstallShell(&shell);
    writeSkin("Alpha",
              "[TitlebarSkin]\r\nSkinName=Alpha Glass\r\nSkinAuthor=Ann Smith\r\nSpecialNotes=Best on blue.\r\n"
              "AuthorsURL=www.example.com\r\n[Colours]\r\nBackground=10 20 30\r\n");
    writeSkin("Beta", "[TitlebarSkin]\r\nSpecialNotes=hidden\r\nAuthorsURL=/bin/sh\r\n[DWM]\r\nUseDWMFrames=1\r\n");
    rebuildSkinList();
  }
  void select(OpenSkinDialog& dialog, int row) {
    dialog.skinList()->setCurrentRow(row);
    dialog.infoPanel()->finishLoading();
  }
  RecordingShell shell;
};

TEST_F(OpenSkinDialogTest, ListsTheInstalledSkinsInTallRows) {
  OpenSkinDialog dialog(skinsFolder());
  EXPECT_EQ(dialog.windowTitle(), "Open skin for editing");
  dialog.show();
  ASSERT_EQ(dialog.skinList()->count(), 2);
  EXPECT_EQ(dialog.skinList()->item(0)->text(), "Alpha");
  EXPECT_EQ(dialog.skinList()->visualItemRect(dialog.skinList()->item(1)).height(),
            ScaledPixels(dialog.skinList(), 55));
  EXPECT_FALSE(dialog.infoPanel()->preview()->hasSkin());
}

TEST_F(OpenSkinDialogTest, SelectingShowsIdentityAndARenderedPreview) {
  OpenSkinDialog dialog(skinsFolder());
  dialog.show();
  dialog.skinList()->setCurrentRow(0);
  SkinInfoPanel* info = dialog.infoPanel();
  EXPECT_EQ(info->nameLabel()->text(), "Alpha Glass");
  EXPECT_EQ(info->authorLabel()->text(), "Ann Smith");
  EXPECT_EQ(info->notesLabel()->text(), "Best on blue.");
  EXPECT_EQ(info->linkButton()->text(), "www.example.com");
  // The preview loads after the pending events, with the busy bar showing meanwhile.
  EXPECT_TRUE(info->isLoading());
  EXPECT_TRUE(info->busyBar()->isVisible());
  ASSERT_EVENTUALLY(!info->isLoading());
  EXPECT_FALSE(info->busyBar()->isVisible());
  ASSERT_TRUE(info->preview()->hasSkin());
  EXPECT_EQ(info->preview()->rendering().pixelColor(1, 1), QColor(10, 20, 30));

  select(dialog, 1);  // frameless: the notice replaces the notes
  EXPECT_EQ(info->nameLabel()->text(), "Beta");
  EXPECT_EQ(info->authorLabel()->text(), "Unknown");
  EXPECT_EQ(info->notesLabel()->text(), "UIS0 skin (Windows Vista / 7 Only)");
}

TEST_F(OpenSkinDialogTest, LinkButtonOpensOnlyWebAddresses) {
  OpenSkinDialog dialog(skinsFolder());
  dialog.show();
  select(dialog, 0);
  QTest::mouseClick(dialog.infoPanel()->linkButton(), Qt::LeftButton);
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].verb, "open");
  EXPECT_EQ(shell.calls[0].target, "http://www.example.com");

  select(dialog, 1);  // a local program is never started from a skin's link
  dialog.infoPanel()->linkButton()->click();
  EXPECT_EQ(shell.calls.size(), 1u);
}

TEST_F(OpenSkinDialogTest, DoubleClickChoosesTheSkin) {
  OpenSkinDialog dialog(skinsFolder());
  dialog.show();
  QListWidget* list = dialog.skinList();
  const QPoint centre = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
  EXPECT_EQ(dialog.chosenSkin(), "Beta");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
}

// A style that activates items on a single click, as some desktops set it.
class SingleClickStyle final : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == QStyle::SH_ItemView_ActivateItemOnSingleClick) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

TEST_F(OpenSkinDialogTest, ASingleClickOnlySelectsAndEnterOpens) {
  OpenSkinDialog dialog(skinsFolder());
  SingleClickStyle style;
  dialog.skinList()->setStyle(&style);
  dialog.show();
  QListWidget* list = dialog.skinList();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  EXPECT_TRUE(dialog.chosenSkin().empty());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(list->currentRow(), 1);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(dialog.chosenSkin(), "Beta");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  dialog.skinList()->setStyle(nullptr);
}

// Return opens the skin even while X reports the layout group switch with every key (a second
// keyboard layout active), which the default-button path alone does not accept.
TEST_F(OpenSkinDialogTest, ReturnOpensWithASecondKeyboardLayoutActive) {
  for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::KeyboardModifiers(Qt::GroupSwitchModifier)},
                                       std::pair{Qt::Key_Enter, Qt::KeypadModifier | Qt::GroupSwitchModifier}}) {
    OpenSkinDialog dialog(skinsFolder());
    dialog.show();
    dialog.skinList()->setCurrentRow(1);
    QTest::keyClick(dialog.skinList(), key, modifiers);
    EXPECT_EQ(dialog.chosenSkin(), "Beta");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
}

TEST_F(OpenSkinDialogTest, RefreshListFindsNewSkinsAndKeepsTheRow) {
  OpenSkinDialog dialog(skinsFolder());
  dialog.show();
  select(dialog, 1);
  writeSkin("Aardvark", "[TitlebarSkin]\r\nSkinName=Aardvark\r\n");
  QTest::mouseClick(dialog.refreshButton(), Qt::LeftButton);
  ASSERT_EQ(dialog.skinList()->count(), 3);
  EXPECT_EQ(dialog.skinList()->item(0)->text(), "Aardvark");
  EXPECT_EQ(dialog.skinList()->currentRow(), 1);
}

TEST_F(OpenSkinDialogTest, CreateNewSkinReturnsTheNewSkin) {
  temp.write("skins/Tessera7/TesseraTemplates/TemplateUIS2_Vista/TemplateUIS2_Vista.uis",
             "[TitlebarSkin]\r\nSkinName=Template\r\n");
  std::optional<testing::ExpectedModal> created;
  const auto shown = WhenModal<OpenSkinDialog>([&created](OpenSkinDialog* dialog) {
    created = WhenModal<NewSkinDialog>([](NewSkinDialog* create) {
      create->nameEdit()->setText(QStringLiteral("Fresh"));
      QTest::mouseClick(create->createButton(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog->createButton(), Qt::LeftButton);
  });
  EXPECT_EQ(RunOpenSkinDialog(nullptr), "Fresh");
}

TEST_F(OpenSkinDialogTest, ClosingChoosesNothing) {
  const auto shown = WhenModal<OpenSkinDialog>([](OpenSkinDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(RunOpenSkinDialog(nullptr), "");
}

TEST_F(OpenSkinDialogTest, ClosingPutsTheEditedSkinBackIntoThePreviewLibrary) {
  const std::string edited = writeSkin("Edited", "[Colours]\r\nBackground=1 2 3\r\n");
  Session().skinName = "Edited";
  Session().mainFile = edited;
  Preview().LoadUISFile(edited, 0);
  {
    OpenSkinDialog dialog(skinsFolder());
    dialog.show();
    select(dialog, 0);  // Alpha
    EXPECT_EQ(Preview().GetColourVal(kDesktopColourIndex, 0), MakeColorRef(10, 20, 30));
  }
  EXPECT_EQ(Preview().GetColourVal(kDesktopColourIndex, 0), MakeColorRef(1, 2, 3));
}

TEST(BusyBar, SweepsOutwardsAndStartsAgain) {
  BusyBar bar;
  bar.resize(200, 8);
  for (int i = 0; i < 100; ++i) bar.step();
  QImage half = bar.grab().toImage();
  // Half way: the bar reaches a quarter of the width to each side of the middle.
  const int row = 8 - 4;
  EXPECT_EQ(half.pixelColor(100, row), QColor(235, 235, 235));
  EXPECT_EQ(half.pixelColor(140, row), QColor(235, 235, 235));
  EXPECT_EQ(half.pixelColor(40, row), QColor(Qt::white));
  EXPECT_EQ(half.pixelColor(160, row), QColor(Qt::white));
  EXPECT_EQ(half.pixelColor(100, 1), QColor(Qt::white));
  for (int i = 0; i < 101; ++i) bar.step();
  EXPECT_EQ(bar.counter(), 0);
}

TEST(AuthorsLink, OnlyWebAddressesAreOpened) {
  EXPECT_EQ(WebAddressForLink("https://skins.example.org/me"), "https://skins.example.org/me");
  EXPECT_EQ(WebAddressForLink(" www.example.com "), "http://www.example.com");
  EXPECT_EQ(WebAddressForLink("HTTP://EXAMPLE.COM"), "HTTP://EXAMPLE.COM");
  EXPECT_EQ(WebAddressForLink("file:///etc/passwd"), "");
  EXPECT_EQ(WebAddressForLink("C:\\Windows\\system32\\cmd.exe"), "");
  EXPECT_EQ(WebAddressForLink("/bin/sh"), "");
  EXPECT_EQ(WebAddressForLink("http://"), "");
  EXPECT_EQ(WebAddressForLink(""), "");
}

}  // namespace
}  // namespace tessera::ui
