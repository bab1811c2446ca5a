#include "ui/pages/painting_page.h"

#include <gtest/gtest.h>

#include <QMouseEvent>

#include <cstdlib>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "core/app/preview_engine.h"
#include "core/pages/painting_keys.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/platform/settings.h"
#include "pages_painting/painting_fixture.h"
#include "support/modal_dialogs.h"
#include "ui/pages/animation_page.h"
#include "ui/pages/margins_editor_dialog.h"
#include "ui/pages/painting_page_factory.h"
#include "ui/pages/painting_preview_box.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_sheet/fake_editor.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;
using testing::WhenModal;

class PaintingPageTest : public tessera::testing::PaintingEnvironmentTest {
 protected:
  FakeEditor editor{"Btn", "Btn"};
};

TEST_F(PaintingPageTest, ShowsTheKeysWithoutWritingAnything) {
  catalogue("subsections.ini", "[Btn]\r\nStateList=2\r\n");
  catalogue("statelist.ini", "[2]\r\nNormal=1\r\nHot=2\r\n");
  const std::string text =
      "[Btn]\r\nTopHeight=3\r\nBottomHeight=4\r\nLeftWidth=5\r\nRightWidth=6\r\nTileLeft=1\r\n"
      "EdgesOnly=1\r\nTile=3\r\nSmartSmallMargins=1\r\n";
  openSkin(text);
  WriteSetting(settings::UseGrid, "1");
  PaintingPage page(editor);
  EXPECT_TRUE(page.isLoaded());
  EXPECT_EQ(page.marginBox(kTopEdge)->value(), 3);
  EXPECT_EQ(page.marginBox(kRightEdge)->value(), 6);
  EXPECT_TRUE(page.tileBox(kLeftEdge)->isChecked());
  EXPECT_FALSE(page.tileBox(kTopEdge)->isChecked());
  EXPECT_EQ(page.middleList()->currentText(), "Do not paint middle section");
  EXPECT_TRUE(page.smartBox()->isChecked());
  EXPECT_TRUE(page.gridBox()->isChecked());
  EXPECT_FALSE(page.marginsBox()->isChecked());
  ASSERT_EQ(page.stateList()->count(), 2);
  EXPECT_EQ(page.stateList()->itemText(1), "Hot");
  EXPECT_EQ(temp.read("skins/S/S.uis~"), text);
  EXPECT_FALSE(page.refreshTimer()->isPending());
}

// The corner mark of the preview is a grip: dragging it resizes the box, within the page's room.
TEST_F(PaintingPageTest, DraggingThePreviewsCornerMarkResizesItWithinThePage) {
  openSkin("[Btn]\r\n");
  PaintingPage page(editor);
  page.resize(900, 500);
  PaintingPreviewBox* box = page.preview();
  box->setFixedSize(200, 100);
  const auto send = [box](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(box->mapToGlobal(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &event);
  };
  send(QEvent::MouseButtonPress, QPoint(195, 95), Qt::LeftButton);
  send(QEvent::MouseMove, QPoint(255, 125), Qt::LeftButton);
  EXPECT_EQ(box->size(), QSize(260, 130));
  send(QEvent::MouseMove, QPoint(5000, 5000), Qt::LeftButton);
  const double s = page.logicalDpiX() / 96.0;
  EXPECT_EQ(box->size(), QSize(900 - static_cast<int>(250 * s), 500 - static_cast<int>(55 * s))) << "the page's room";
  send(QEvent::MouseButtonRelease, QPoint(5000, 5000), Qt::NoButton);
  const QSize settled = box->size();
  send(QEvent::MouseMove, QPoint(10, 10), Qt::NoButton);
  EXPECT_EQ(box->size(), settled) << "released";

  // A press away from the mark does not resize.
  send(QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton);
  send(QEvent::MouseMove, QPoint(60, 60), Qt::LeftButton);
  send(QEvent::MouseButtonRelease, QPoint(60, 60), Qt::NoButton);
  EXPECT_EQ(box->size(), settled);
}

TEST_F(PaintingPageTest, MiddleListWritesTileAndEdgesOnlyTogether) {
  openSkin("[Btn]\r\nEdgesOnly=1\r\nTile=3\r\n");
  PaintingPage page(editor);
  page.middleList()->setCurrentIndex(2);  // "Tile Horz middle section"
  EXPECT_EQ(skinValue("Btn", "Tile"), "2");
  EXPECT_EQ(skinValue("Btn", "EdgesOnly"), "0");
  EXPECT_TRUE(page.refreshTimer()->isPending());
  page.middleList()->setCurrentIndex(5);
  EXPECT_EQ(skinValue("Btn", "Tile"), "0");
  EXPECT_EQ(skinValue("Btn", "EdgesOnly"), "1");
}

TEST_F(PaintingPageTest, NoMarginModesDisableTheMarginControlsButKeepTheirValues) {
  openSkin("[Btn]\r\nSimpleMode=2\r\nTopHeight=9\r\n");
  PaintingPage page(editor);
  EXPECT_EQ(page.modeList()->currentText(), "Stretch horizontally (no margins)");
  EXPECT_FALSE(page.marginBox(kTopEdge)->isEnabled());
  EXPECT_EQ(page.marginBox(kTopEdge)->value(), 9);
  EXPECT_FALSE(page.tileBox(kBottomEdge)->isEnabled());
  EXPECT_FALSE(page.middleList()->isEnabled());
  EXPECT_FALSE(page.smartBox()->isEnabled());
  EXPECT_FALSE(page.syncButton()->isEnabled());

  page.modeList()->setCurrentIndex(0);
  EXPECT_EQ(skinValue("Btn", "SimpleMode"), "0");
  EXPECT_TRUE(page.marginBox(kTopEdge)->isEnabled());
  EXPECT_TRUE(page.syncButton()->isEnabled());
  page.modeList()->setCurrentIndex(3);
  EXPECT_EQ(skinValue("Btn", "SimpleMode"), "3");
  EXPECT_FALSE(page.marginBox(kLeftEdge)->isEnabled());
}

TEST_F(PaintingPageTest, TypedMarginsAndTileBoxesAreWrittenAtOnce) {
  openSkin("[Btn]\r\n");
  PaintingPage page(editor);
  page.show();
  QSpinBox* top = page.marginBox(kTopEdge);
  top->selectAll();
  QTest::keyClicks(top, "12");
  EXPECT_EQ(skinValue("Btn", "TopHeight"), "12");
  QTest::mouseClick(page.tileBox(kRightEdge), Qt::LeftButton);
  EXPECT_EQ(skinValue("Btn", "TileRight"), "1");
  QTest::mouseClick(page.tileBox(kRightEdge), Qt::LeftButton);
  EXPECT_EQ(skinValue("Btn", "TileRight"), "0");
  QTest::mouseClick(page.smartBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Btn", "SmartSmallMargins"), "1");
}

TEST_F(PaintingPageTest, SyncCopiesTheTopMarginToEveryEdge) {
  openSkin("[Btn]\r\nTopHeight=7\r\nTileTop=1\r\nLeftWidth=2\r\n");
  PaintingPage page(editor);
  page.show();
  QTest::mouseClick(page.syncButton(), Qt::LeftButton);
  for (const char* key : {"BottomHeight", "LeftWidth", "RightWidth"}) EXPECT_EQ(skinValue("Btn", key), "7") << key;
  for (const char* key : {"TileBottom", "TileLeft", "TileRight"}) EXPECT_EQ(skinValue("Btn", key), "1") << key;
  EXPECT_EQ(page.marginBox(kLeftEdge)->value(), 7);
  EXPECT_TRUE(page.tileBox(kBottomEdge)->isChecked());
}

TEST_F(PaintingPageTest, GridAndMarginsBoxesAreSettingsNotSkinKeys) {
  const std::string text = "[Btn]\r\n";
  openSkin(text);
  PaintingPage page(editor);
  page.show();
  QTest::mouseClick(page.marginsBox(), Qt::LeftButton);
  QTest::mouseClick(page.gridBox(), Qt::LeftButton);
  EXPECT_EQ(ReadSettingInt(settings::UseColour), 1);
  EXPECT_EQ(ReadSettingInt(settings::UseGrid), 1);
  EXPECT_TRUE(page.preview()->options().margins);
  EXPECT_TRUE(page.preview()->options().grid);
  QTest::mouseClick(page.gridBox(), Qt::LeftButton);
  EXPECT_EQ(ReadSettingInt(settings::UseGrid), 0);
  EXPECT_EQ(temp.read("skins/S/S.uis~"), text);
}

// A double click fits the box to one frame again, but never wider or taller than the page leaves
// room for beside the controls.
TEST_F(PaintingPageTest, DoubleClickFitsThePreviewToAFrameWithinThePage) {
  catalogue("subsections.ini", "[Btn]\r\nImageCount=3\r\n");
  openSkin("");
  const std::string strip = writeStrip("btn.png", QSize(40, 40), {Qt::red, Qt::green, Qt::blue}, true);
  openSkin("[Btn]\r\nImage=" + strip + "\r\nVert=1\r\n");
  PaintingPage page(editor);
  page.resize(600, 400);
  page.preview()->setFixedSize(10, 10);
  QTest::mouseDClick(page.preview(), Qt::LeftButton);
  EXPECT_EQ(page.preview()->size(), QSize(57, 57));
  page.resize(280, 100);
  QTest::mouseDClick(page.preview(), Qt::LeftButton);
  EXPECT_EQ(page.preview()->size(), QSize(30, 45));
}

TEST_F(PaintingPageTest, AnEditRefreshesTheSkinAndTheLargePreviewOnce) {
  openSkin("[Btn]\r\n");
  PaintingPage page(editor);
  page.marginBox(kTopEdge)->setValue(1);
  page.marginBox(kTopEdge)->setValue(2);
  page.marginBox(kTopEdge)->setValue(3);
  EXPECT_TRUE(page.refreshTimer()->isPending());
  page.refreshTimer()->flush();
  EXPECT_EQ(editor.repaints, 1);
  EXPECT_FALSE(page.refreshTimer()->isPending());
}

TEST_F(PaintingPageTest, MarginsEditorButtonOpensTheWindowThenRebuildsTheSheet) {
  openSkin("[Btn]\r\nTopHeight=4\r\n");
  PaintingPage page(editor);
  page.show();
  ASSERT_TRUE(page.marginsEditorButton()->isVisible());
  int shownTop = -1;
  auto expected = WhenModal<MarginsEditorDialog>([&shownTop](MarginsEditorDialog* dialog) {
    shownTop = dialog->marginBox(kTopEdge)->value();
    dialog->marginBox(kTopEdge)->setValue(9);
    dialog->accept();
  });
  QTest::mouseClick(page.marginsEditorButton(), Qt::LeftButton);
  EXPECT_EQ(shownTop, 4);
  EXPECT_EQ(skinValue("Btn", "TopHeight"), "9");
  EXPECT_EQ(editor.rebuilds, 1);
}

TEST_F(PaintingPageTest, FactoryBuildsOnlyItsOwnPages) {
  openSkin("[Btn]\r\n");
  QWidget parent;
  EXPECT_NE(qobject_cast<PaintingPage*>(CreatePaintingOrAnimationPage(PageKind::Painting, editor, &parent)), nullptr);
  EXPECT_NE(qobject_cast<AnimationPage*>(CreatePaintingOrAnimationPage(PageKind::Animation, editor, &parent)), nullptr);
  EXPECT_EQ(CreatePaintingOrAnimationPage(PageKind::Image, editor, &parent), nullptr);
  EXPECT_EQ(CreatePaintingOrAnimationPage(PageKind::Help, editor, &parent), nullptr);
}

// The page's preview is the section drawn by the preview library stand-in, with the margin
// lines when "Margins" is on.
TEST_F(PaintingPageTest, PreviewShowsTheMarginMarksFromTheLibrary) {
  static DynamicLibrary module(ModulePath(tessera::testing::StandinFolder(), "vuzudiv"));
  BindPreviewLibrary(module);
  ASSERT_TRUE(Preview().isBound());
  openSkin("");
  const std::string strip = writeStrip("btn.png", QSize(60, 40), {QColor(0, 0, 0)});
  openSkin("[Btn]\r\nImage=" + strip + "\r\nTopHeight=8\r\nLeftWidth=8\r\nBottomHeight=8\r\nRightWidth=8\r\n");
  Preview().LoadUISFile(mainFile());
  WriteSetting(settings::UseColour, "1");
  PaintingPage page(editor);
  if (const char* shot = std::getenv("TESSERA_PAINTING_SCREENSHOT")) {
    page.resize(640, 300);
    page.grab().save(QString::fromLocal8Bit(shot));
  }
  const QImage shown = page.preview()->render();
  EXPECT_EQ(shown.pixelColor(30, 8).rgb(), kTopMarginColour.rgb());
  EXPECT_EQ(shown.pixelColor(8, 20).rgb(), kLeftMarginColour.rgb());

  QTest::mouseClick(page.marginsBox(), Qt::LeftButton);
  EXPECT_EQ(page.preview()->render().pixelColor(30, 8).rgb(), QColor(0, 0, 0).rgb());
  Preview().CloseSection();
  Preview().unbind();
}

}  // namespace
}  // namespace tessera::ui
