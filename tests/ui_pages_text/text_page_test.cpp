#include "ui/pages/text_page.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <QComboBox>
#include <QSpinBox>
#include <QTest>

#include "core/app/preview_engine.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "sheet/sheet_fixture.h"
#include "ui/pages/text_page_factory.h"
#include "ui/sheet/skin_preset_list.h"
#include "ui/pages/text_preview_box.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_sheet/fake_editor.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;

constexpr const char* kPresets =
    "[Colour0]\r\nName=Red\r\nColour=255 0 0\r\n[Colour3]\r\nName=Blue\r\nColour=0 0 255\r\n"
    "[Font1]\r\nFontName=Arial\r\nFontHeight=9\r\n";

class TextPageTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    catalogue("subsections.ini", "[Btn]\r\nStateList=4\r\n[Bare]\r\nStateList=4\r\nNoContent=1\r\n");
    catalogue("statelist.ini", "[4]\r\nNormal=1\r\nPressed=2\r\nMouse over=3\r\nDisabled=4\r\n");
  }
  FakeEditor editor{"Btn", "Btn"};
};

TEST_F(TextPageTest, ShowsTheFirstStateWithoutWritingAnything) {
  const std::string text = std::string(kPresets) +
                           "[Btn]\r\nTextHorzAlignNormal=2\r\nNormalColour=3\r\nNormalFont=1\r\nContentLeft=-7\r\n";
  openSkin(text);
  TextPage page(editor);
  EXPECT_TRUE(page.isLoaded());
  ASSERT_EQ(page.stateList()->count(), 4);
  EXPECT_EQ(page.stateList()->currentIndex(), 0);
  EXPECT_EQ(page.horizontalList()->currentText(), "Align Centre");
  EXPECT_EQ(page.verticalList()->currentText(), "OS Default");
  EXPECT_EQ(page.colourList()->list()->currentText(), "Skin colour : Blue");
  EXPECT_EQ(page.fontList()->list()->currentText(), "Arial, 9");
  EXPECT_EQ(page.contentBox(2)->value(), -7);
  EXPECT_EQ(page.contentBox(0)->minimum(), -100);
  EXPECT_EQ(page.contentBox(0)->maximum(), 1000);
  EXPECT_EQ(temp.read("skins/S/S.uis~"), text);
  EXPECT_FALSE(page.refreshTimer()->isPending());
}

TEST_F(TextPageTest, EachStateEditsItsOwnKeys) {
  openSkin(std::string(kPresets) + "[Btn]\r\nDisabledColour=0\r\n");
  TextPage page(editor);
  page.show();
  // Nothing set for the first state: the colour list shows no entry rather than "OS Default".
  EXPECT_EQ(page.colourList()->list()->currentIndex(), -1);

  page.stateList()->setCurrentIndex(2);  // "Mouse over"
  EXPECT_EQ(page.colourList()->list()->currentText(), "Skin colour : Red");
  page.horizontalList()->setCurrentIndex(3);
  EXPECT_EQ(skinValue("Btn", "TextHorzAlignMouseOver"), "3");
  page.verticalList()->setCurrentIndex(1);
  EXPECT_EQ(skinValue("Btn", "TextVertAlignMouseOver"), "1");
  QTest::keyClick(page.colourList()->list(), Qt::Key_Down);
  EXPECT_EQ(skinValue("Btn", "DisabledColour"), "3");
  QTest::keyClick(page.fontList()->list(), Qt::Key_End);
  EXPECT_EQ(skinValue("Btn", "DisabledFont"), "1");
  EXPECT_TRUE(page.refreshTimer()->isPending());
  EXPECT_FALSE(skinValue("Btn", "TextHorzAlignNormal"));
  EXPECT_FALSE(skinValue("Btn", "NormalColour"));

  page.stateList()->setCurrentIndex(0);
  EXPECT_EQ(page.horizontalList()->currentIndex(), 0);
  EXPECT_EQ(page.colourList()->list()->currentIndex(), -1);
  EXPECT_FALSE(skinValue("Btn", "TextHorzAlignNormal"));
}

TEST_F(TextPageTest, OsDefaultRemovesTheStatesColourKey) {
  openSkin(std::string(kPresets) + "[Btn]\r\nNormalColour=0\r\nNormalFont=1\r\n");
  TextPage page(editor);
  page.show();
  QTest::keyClick(page.colourList()->list(), Qt::Key_Home);
  EXPECT_FALSE(skinValue("Btn", "NormalColour"));
  QTest::keyClick(page.fontList()->list(), Qt::Key_Home);
  EXPECT_FALSE(skinValue("Btn", "NormalFont"));
}

TEST_F(TextPageTest, ContentMarginsAreWrittenAtOnce) {
  openSkin("[Btn]\r\n");
  TextPage page(editor);
  page.show();
  QSpinBox* bottom = page.contentBox(1);
  bottom->selectAll();
  QTest::keyClicks(bottom, "-12");
  EXPECT_EQ(skinValue("Btn", "ContentBottom"), "-12");
}

TEST_F(TextPageTest, SectionsWithoutTextKeepOnlyTheContentMargins) {
  openSkin("[Bare]\r\nContentTop=4\r\n");
  FakeEditor bare{"Bare", "Bare"};
  TextPage page(bare);
  page.show();
  EXPECT_FALSE(page.stateControls()->isVisible());
  EXPECT_FALSE(page.preview()->isVisible());
  EXPECT_TRUE(page.contentBox(0)->isVisible());
  EXPECT_EQ(page.contentBox(0)->value(), 4);
}

TEST_F(TextPageTest, PreviewDrawsTheTextInTheStatesColour) {
  static DynamicLibrary module(ModulePath(tessera::testing::StandinFolder(), "vuzudiv"));
  BindPreviewLibrary(module);
  ASSERT_TRUE(Preview().isBound());
  openSkin(std::string(kPresets) + "[Btn]\r\nNormalColour=0\r\nTextHorzAlignNormal=2\r\n");
  Preview().LoadUISFile(mainFile());
  TextPage page(editor);
  page.preview()->resize(200, 60);
  if (const char* shot = std::getenv("TESSERA_TEXT_SCREENSHOT")) {
    page.resize(480, 420);
    page.grab().save(QString::fromLocal8Bit(shot));
  }
  auto redPixels = [](const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++count;
      }
    return count;
  };
  EXPECT_GT(redPixels(page.preview()->render()), 10);

  // Removing the colour goes through the page's own refresh, which reloads the section.
  page.show();
  QTest::keyClick(page.colourList()->list(), Qt::Key_Home);
  page.refreshTimer()->flush();
  EXPECT_EQ(redPixels(page.preview()->render()), 0);
}

TEST_F(TextPageTest, FactoryBuildsOnlyTheTextAndCaptionPages) {
  openSkin("[Btn]\r\n");
  const std::pair<PageKind, const char*> ours[] = {{PageKind::Text, "Text"},
                                                   {PageKind::CaptionTextSettings, "Caption text settings"},
                                                   {PageKind::CaptionClickSettings, "Caption click settings"},
                                                   {PageKind::Caption, "Caption"},
                                                   {PageKind::TextSettings, "Text settings"}};
  for (const auto& [kind, caption] : ours) {
    std::unique_ptr<PropertyPage> page(CreateTextOrCaptionPage(kind, editor, nullptr));
    ASSERT_TRUE(page) << caption;
    EXPECT_EQ(page->caption(), caption);
  }
  EXPECT_EQ(CreateTextOrCaptionPage(PageKind::Painting, editor, nullptr), nullptr);
  EXPECT_EQ(CreateTextOrCaptionPage(PageKind::Help, editor, nullptr), nullptr);
}

}  // namespace
}  // namespace tessera::ui
