#include "ui/sheet/property_sheet.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <set>

#include "core/platform/settings.h"
#include "sheet/sheet_fixture.h"
#include "ui/pages/frame_page_factory.h"
#include "ui/pages/frame_button_position_page.h"
#include "ui/pages/glyph_page.h"
#include "ui/pages/page_factory.h"
#include "ui/pages/painting_page_factory.h"
#include "ui/pages/text_page_factory.h"
#include "ui/pages/title_bar_button_page_factory.h"
#include "ui/pages/image_page.h"
#include "ui/pages/painting_page.h"
#include "ui/pages/text_page.h"
#include "ui/sheet/extra_settings_page.h"
#include "ui/sheet/help_page.h"
#include "ui/sheet/extra_value_editor.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_sheet/fake_editor.h"


namespace tessera::ui {
namespace {

using testing::FakeEditor;

class PropertySheetTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    catalogue("subsections.ini", "[Button]\r\nContent=1\r\nPosition=1\r\n[Caption]\r\nCaptionMode=1\r\n");
    catalogue("extras.ini", "[Button]\r\nFocusRect=0\r\n");
    catalogue("extraDetails.ini", "[FocusRect]\r\nType=2\r\n");
    openSkin("[Button]\r\nFocusRect=0\r\n");
  }
};

TEST_F(PropertySheetTest, PagesFollowTheRouting) {
  FakeEditor editor("Button", "Button");
  PropertySheet sheet(editor, QString());
  EXPECT_EQ(sheet.pageCaptions(), (QStringList{"Image", "Glyph", "Painting", "Text", "Position",
                                               "Extra settings", "Help"}));
  EXPECT_EQ(sheet.activePage(), 0);
  // Each caption is served by its own page class.
  EXPECT_NE(qobject_cast<ImagePage*>(sheet.page(0)), nullptr);
  EXPECT_NE(qobject_cast<GlyphPage*>(sheet.page(1)), nullptr);
  EXPECT_NE(qobject_cast<PaintingPage*>(sheet.page(2)), nullptr);
  EXPECT_NE(qobject_cast<TextPage*>(sheet.page(3)), nullptr);
  EXPECT_NE(qobject_cast<FrameButtonPositionPage*>(sheet.page(4)), nullptr);
  EXPECT_NE(qobject_cast<ExtraSettingsPage*>(sheet.page(5)), nullptr);
  EXPECT_NE(qobject_cast<HelpPage*>(sheet.page(6)), nullptr);
}

// Every page kind the routing can ask for has a page of its own: none falls back to the page that
// says it is not built.
TEST_F(PropertySheetTest, EveryPageKindHasAPageOfItsOwn) {
  const std::set<PageKind> withTheirOwnFactory = {PageKind::ExtraSettings, PageKind::Help, PageKind::Import};
  FakeEditor editor("Button", "Button");
  QWidget parent;
  std::set<PageKind> pending;
  for (int k = 0; k <= static_cast<int>(PageKind::Import); ++k) {
    const auto kind = static_cast<PageKind>(k);
    if (withTheirOwnFactory.contains(kind)) continue;
    PropertyPage* page = CreateImageSlotPage(kind, editor, &parent);
    if (!page) page = CreatePaintingOrAnimationPage(kind, editor, &parent);
    if (!page) page = CreateTextOrCaptionPage(kind, editor, &parent);
    if (!page) page = CreateFramePage(kind, editor, &parent);
    if (!page) page = CreateTitleBarButtonPage(kind, editor, &parent);
    if (!page) pending.insert(kind);
  }
  EXPECT_TRUE(pending.empty()) << pending.size() << " page kinds have no page";
}

TEST_F(PropertySheetTest, RememberedCaptionIsActivatedAgain) {
  FakeEditor editor("Button", "Button");
  PropertySheet sheet(editor, QStringLiteral("Extra settings"));
  EXPECT_EQ(sheet.activeCaption(), "Extra settings");
  EXPECT_EQ(sheet.activePage(), 5);
  // A caption the new sheet lacks falls back to the first page.
  FakeEditor captionEditor("Caption", "Caption");
  PropertySheet captionSheet(captionEditor, QStringLiteral("Extra settings"));
  EXPECT_EQ(captionSheet.pageCaptions(), (QStringList{"Caption text settings", "Caption click settings"}));
  EXPECT_EQ(captionSheet.activePage(), 0);

  QSignalSpy changed(&sheet, &PropertySheet::activePageChanged);
  sheet.activatePage(2);
  sheet.activatePage(99);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).toInt(), 2);
  EXPECT_EQ(sheet.activeCaption(), "Painting");
}

TEST_F(PropertySheetTest, EditsRefreshOnceAfterABurstAndBeforeTheSheetGoes) {
  FakeEditor editor("Button", "Button");
  {
    auto sheet = std::make_unique<PropertySheet>(editor, QStringLiteral("Extra settings"));
    auto* page = qobject_cast<ExtraSettingsPage*>(sheet->page(sheet->activePage()));
    ASSERT_NE(page, nullptr);
    QCheckBox* box = page->valueEditor()->flagBox();
    box->click();
    box->click();
    box->click();
    EXPECT_TRUE(page->refreshTimer()->isPending());
    page->refreshTimer()->flush();
    EXPECT_EQ(editor.repaints, 1);
    EXPECT_FALSE(page->refreshTimer()->isPending());
    EXPECT_EQ(skinValue("Button", "FocusRect"), "1");
    // An edit just before the sheet is torn down still reaches the preview.
    box->click();
  }
  EXPECT_EQ(editor.repaints, 2);
  EXPECT_EQ(skinValue("Button", "FocusRect"), "0");
}

}  // namespace
}  // namespace tessera::ui
