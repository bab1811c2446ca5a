#include "ui/common/zoom_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

#include "core/platform/settings.h"
#include "support/temp_dir.h"
#include "ui/strip/cut_tool_dialog.h"

namespace tessera::ui {
namespace {

// A screen of 400 x 300 whose pixel (x, y) is RGB(x % 256, y % 256, 50), and a mouse the test moves.
class ZoomWindowTest : public tessera::testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    screen = QImage(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
      for (int x = 0; x < 400; ++x) screen.setPixel(x, y, qRgb(x % 256, y % 256, 50));
    ZoomWindow::setSources({[this] { return mouse; },
                            [this](const QRect& area) {
                              const QRect part = area.intersected(screen.rect());
                              return ScreenPicture{screen.copy(part), part.topLeft()};
                            }});
  }
  void TearDown() override {
    if (ZoomWindow* window = ZoomWindow::instance()) delete window;
    ZoomWindow::setSources({});
    EnvironmentTest::TearDown();
  }
  static QPushButton* button(QWidget* window, const QString& text) {
    for (QPushButton* b : window->findChildren<QPushButton*>())
      if (b->text() == text) return b;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
  }
  QImage screen;
  QPoint mouse{200, 150};
};

TEST_F(ZoomWindowTest, OneWindowOpensWithTheStoredMagnificationAndItsButtonsStoreIt) {
  WriteSetting(settings::ZoomV, "2");
  ZoomWindow* window = ShowZoomWindow(nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->factor(), 8);
  EXPECT_TRUE(button(window, "8x")->isChecked());
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);
  // Asking again brings the same window forward.
  EXPECT_EQ(ShowZoomWindow(nullptr), window);

  QTest::mouseClick(button(window, "4x"), Qt::LeftButton);
  EXPECT_EQ(window->factor(), 4);
  EXPECT_EQ(ReadSetting(settings::ZoomV), "1");
  QTest::mouseClick(button(window, "2x"), Qt::LeftButton);
  EXPECT_EQ(ReadSetting(settings::ZoomV), "0");
  QTest::mouseClick(button(window, "4x"), Qt::LeftButton);

  // Closing forgets the window; the next opens anew with the last choice.
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(ZoomWindow::instance(), nullptr);
  EXPECT_EQ(ShowZoomWindow(nullptr)->factor(), 4);
}

TEST_F(ZoomWindowTest, ViewShowsTheScreenAroundTheMouseEnlargedWithoutSmoothing) {
  WriteSetting(settings::ZoomV, "2");
  ZoomWindow* window = ShowZoomWindow(nullptr);
  window->resize(400, 300 + ZoomWindow::kButtonRow + 40);
  const QRect view = window->viewRect();
  ASSERT_GE(view.height(), 300);
  const QImage shown = window->grab().toImage();
  // The view's top-left pixel is screen pixel (200 - 25, 150 - h / 16) at 8 times.
  const QRect source = ZoomSourceRect(mouse, view.size(), 8);
  for (const QPoint& at : {QPoint(1, 1), QPoint(8 * 3 + 4, 8 * 2 + 7), QPoint(8 * 20, 8 * 5 + 1)}) {
    const QPoint screenPixel = source.topLeft() + QPoint(at.x() / 8, at.y() / 8);
    EXPECT_EQ(shown.pixel(view.topLeft() + at), screen.pixel(screenPixel)) << at.x() << "," << at.y();
  }
  // Neighbours inside one square are equal: no smoothing.
  EXPECT_EQ(shown.pixel(view.topLeft() + QPoint(8 * 20, 8 * 5 + 1)), shown.pixel(view.topLeft() + QPoint(8 * 20 + 7, 8 * 5 + 7)));
}

TEST_F(ZoomWindowTest, F2InAnyTesseraWindowLocksThePointAndUnlocksIt) {
  ZoomWindow* window = ShowZoomWindow(nullptr);
  QWidget other;
  other.show();
  mouse = QPoint(30, 40);
  QTest::keyClick(other.windowHandle(), Qt::Key_F2);
  EXPECT_TRUE(window->isLocked());
  EXPECT_EQ(window->point(), QPoint(30, 40));
  // While locked the mouse wanders and the point stays.
  mouse = QPoint(300, 200);
  window->tick(ZoomTimer::Fast);
  EXPECT_EQ(window->point(), QPoint(30, 40));
  QTest::keyClick(other.windowHandle(), Qt::Key_F2);
  EXPECT_FALSE(window->isLocked());
  EXPECT_EQ(window->point(), QPoint(300, 200));
}

TEST_F(ZoomWindowTest, ARestingMouseCostsNoScreenRead) {
  ZoomWindow* window = ShowZoomWindow(nullptr);
  window->move(1000, 800);  // away from the mouse
  window->tick(ZoomTimer::Fast);
  const int reads = window->screenReads();
  for (int i = 0; i < 20; ++i) {
    window->tick(ZoomTimer::Fast);
    window->tick(ZoomTimer::Slow);
  }
  EXPECT_EQ(window->screenReads(), reads);
  mouse += QPoint(1, 0);
  window->tick(ZoomTimer::Fast);
  EXPECT_EQ(window->screenReads(), reads + 1);
  EXPECT_EQ(window->point(), mouse);
  // Over the window itself the fast timer leaves the view alone.
  mouse = window->frameGeometry().center();
  window->tick(ZoomTimer::Fast);
  EXPECT_EQ(window->screenReads(), reads + 1);
}

TEST_F(ZoomWindowTest, PlacementIsRestoredAndMovesAreStored) {
  WriteSetting(settings::ZoomX, 300);
  WriteSetting(settings::ZoomY, 200);
  WriteSetting(settings::ZoomWidth, 250);
  WriteSetting(settings::ZoomHeight, 180);
  ZoomWindow* window = ShowZoomWindow(nullptr);
  EXPECT_EQ(window->pos(), QPoint(300, 200));
  EXPECT_EQ(window->size(), QSize(250, 180));
  window->move(320, 240);
  window->resize(260, 190);
  EXPECT_EQ(ReadSettingInt(settings::ZoomX), 320);
  EXPECT_EQ(ReadSettingInt(settings::ZoomY), 240);
  EXPECT_EQ(ReadSettingInt(settings::ZoomWidth), 260);
  EXPECT_EQ(ReadSettingInt(settings::ZoomHeight), 190);
}

TEST_F(ZoomWindowTest, TheCutToolsMagnifierOpensItBesideTheTool) {
  CutToolDialog tool(SkinDocument::current());
  tool.show();
  auto* zoom = tool.findChild<QPushButton*>(QStringLiteral("zoomButton"));
  ASSERT_NE(zoom, nullptr);
  QTest::mouseClick(zoom, Qt::LeftButton);
  ZoomWindow* window = ZoomWindow::instance();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  // It stays usable beside the modal tool, and goes with it.
  EXPECT_EQ(window->parentWidget(), &tool);
}

}  // namespace
}  // namespace tessera::ui
