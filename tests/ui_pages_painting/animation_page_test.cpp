#include "ui/pages/animation_page.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "core/app/preview_engine.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "pages_painting/painting_fixture.h"
#include "support/eventually.h"
#include "ui/pages/animation_test_dialog.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_sheet/fake_editor.h"
#include "ui_skin/dialog_test_support.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;

class AnimationPageTest : public tessera::testing::PaintingEnvironmentTest {
 protected:
  FakeEditor editor{"Btn", "Btn"};
};

TEST_F(AnimationPageTest, ShowsTheKeysWithDefaultsWithoutWriting) {
  const std::string text = "[Btn]\r\nAnimTimerRate=30\r\nLoopBackDelay=-500\r\nMouseOverStartFrame=3\r\n"
                           "MouseOverStopFrame=5\r\nLoopOnce=1\r\n";
  openSkin(text);
  AnimationPage page(editor);
  if (const char* shot = std::getenv("TESSERA_ANIMATION_SCREENSHOT")) page.grab().save(QString::fromLocal8Bit(shot));
  EXPECT_EQ(page.rateSlider()->value(), 30);
  EXPECT_EQ(page.rateLabel()->text(), "33.33 fps");
  EXPECT_EQ(page.delaySlider()->value(), 500);
  EXPECT_TRUE(page.randomBox()->isChecked());
  EXPECT_EQ(page.delayLabel()->text(), "500 ms delay (random)");
  EXPECT_EQ(page.enterStartBox()->value(), 3);
  EXPECT_EQ(page.loopStartBox()->value(), 3);
  EXPECT_EQ(page.leaveStopBox()->value(), 5);
  EXPECT_EQ(page.loopStopBox()->value(), 5);
  EXPECT_TRUE(page.loopOnceBox()->isChecked());
  EXPECT_FALSE(page.finishBox()->isChecked());
  EXPECT_EQ(page.noteBox()->text(),
            "The frame count should be modified to include the original images plus any animation frames");
  EXPECT_EQ(page.rateSlider()->maximum(), 2000);
  EXPECT_EQ(page.delaySlider()->maximum(), 8000);
  EXPECT_EQ(page.enterStartBox()->maximum(), 255);
  EXPECT_EQ(temp.read("skins/S/S.uis~"), text);
}

TEST_F(AnimationPageTest, UncheckingRandomStoresThePositiveDelay) {
  openSkin("[Btn]\r\nLoopBackDelay=-500\r\n");
  AnimationPage page(editor);
  page.show();
  QTest::mouseClick(page.randomBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Btn", "LoopBackDelay"), "500");
  EXPECT_EQ(page.delayLabel()->text(), "500 ms delay");
  QTest::mouseClick(page.randomBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Btn", "LoopBackDelay"), "-500");

  page.delaySlider()->setFocus();
  QTest::keyClick(page.delaySlider(), Qt::Key_PageDown);  // one page of 100 ms towards 0
  EXPECT_EQ(skinValue("Btn", "LoopBackDelay"), "-400");
  EXPECT_EQ(page.delayLabel()->text(), "400 ms delay (random)");
  page.delaySlider()->setValue(0);
  EXPECT_EQ(page.delayLabel()->text(), "No delay");
  EXPECT_EQ(skinValue("Btn", "LoopBackDelay"), "0");
  EXPECT_TRUE(page.refreshTimer()->isPending());
}

TEST_F(AnimationPageTest, RateSliderLabelsAndWritesTheRateZeroIncluded) {
  openSkin("[Btn]\r\nAnimTimerRate=40\r\n");
  AnimationPage page(editor);
  page.show();
  page.rateSlider()->setValue(30);
  EXPECT_EQ(page.rateLabel()->text(), "33.33 fps");
  EXPECT_EQ(skinValue("Btn", "AnimTimerRate"), "30");
  EXPECT_TRUE(page.refreshTimer()->isPending());
  page.rateSlider()->setFocus();
  QTest::keyClick(page.rateSlider(), Qt::Key_Home);
  EXPECT_EQ(page.rateLabel()->text(), "Animation disabled");
  EXPECT_EQ(skinValue("Btn", "AnimTimerRate"), "0");
}

TEST_F(AnimationPageTest, FrameAndFlagBoxesWriteAtOnceWithoutARefresh) {
  openSkin("[Btn]\r\nMouseOverStartFrame=3\r\n");
  AnimationPage page(editor);
  page.show();
  QSpinBox* enter = page.enterStartBox();
  enter->selectAll();
  QTest::keyClicks(enter, "7");
  EXPECT_EQ(skinValue("Btn", "MouseEnterStartFrame"), "7");
  EXPECT_EQ(skinValue("Btn", "MouseOverStartFrame"), "3");
  page.leaveStopBox()->setValue(2);
  page.loopStopBox()->setValue(9);
  EXPECT_EQ(skinValue("Btn", "MouseLeaveStopFrame"), "2");
  EXPECT_EQ(skinValue("Btn", "MouseOverStopFrame"), "9");
  QTest::mouseClick(page.loopOnceBox(), Qt::LeftButton);
  QTest::mouseClick(page.finishBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Btn", "LoopOnce"), "1");
  EXPECT_EQ(skinValue("Btn", "MouseLeaveMode"), "1");
  QTest::mouseClick(page.finishBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Btn", "MouseLeaveMode"), "0");
  EXPECT_FALSE(page.refreshTimer()->isPending());
}

TEST_F(AnimationPageTest, TryItOpensTheTestDialogForTheSection) {
  openSkin("[Btn]\r\nAnimTimerRate=30\r\n");
  AnimationPage page(editor);
  page.show();
  QString title;
  QString closeText;
  const auto tester = testing::WhenModal<AnimationTestDialog>([&](AnimationTestDialog* dialog) {
    title = dialog->windowTitle();
    closeText = dialog->closeButton()->text();
    QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
  });
  QTest::mouseClick(page.tryButton(), Qt::LeftButton);
  EXPECT_EQ(title, "Test animation");
  EXPECT_EQ(closeText, "Close");
}

TEST_F(AnimationPageTest, TestDialogElementIsResizedByDragging) {
  openSkin("[Btn]\r\n");
  AnimationTestDialog dialog("Btn", "Btn");
  dialog.show();
  AnimatedSectionView* view = dialog.view();
  const QSize before = view->size();
  const QPoint start(5, 5);
  QMouseEvent press(QEvent::MouseButtonPress, start, view->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(view, &press);
  const QPoint end(45, 25);
  QMouseEvent move(QEvent::MouseMove, end, view->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view, &move);
  EXPECT_EQ(view->size(), before + QSize(40, 20));
  // Never smaller than a usable element.
  const QPoint back(-500, -500);
  QMouseEvent shrink(QEvent::MouseMove, back, view->mapToGlobal(back), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view, &shrink);
  EXPECT_EQ(view->size(), QSize(20, 20));
}

// Hovering the element in the test dialog plays its frames through the library's states (frame
// n is state n + 1), and leaving returns it to its ordinary look.
TEST_F(AnimationPageTest, TestDialogPlaysTheFramesOnMouseOver) {
  static DynamicLibrary module(ModulePath(tessera::testing::StandinFolder(), "vuzudiv"));
  BindPreviewLibrary(module);
  ASSERT_TRUE(Preview().isBound());
  catalogue("subsections.ini", "[Btn]\r\nImageCount=4\r\n");
  openSkin("");
  const std::string strip = writeStrip("btn.png", QSize(20, 20),
                                       {QColor(10, 10, 10), QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200)});
  openSkin("[Btn]\r\nImage=" + strip + "\r\nAnimTimerRate=10\r\nMouseOverStartFrame=1\r\nMouseOverStopFrame=3\r\n"
           "MouseEnterStartFrame=1\r\nMouseLeaveStopFrame=0\r\nLoopOnce=1\r\n");
  Preview().LoadUISFile(mainFile());

  AnimationTestDialog dialog("Btn", "Btn");
  dialog.show();
  AnimatedSectionView* view = dialog.view();
  EXPECT_EQ(view->state(), 1);
  EXPECT_EQ(view->render().pixelColor(10, 10).rgb(), QColor(10, 10, 10).rgb());

  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(view, &enter);
  EXPECT_EQ(view->state(), 2);
  EXPECT_EVENTUALLY_EQ(view->state(), 4);
  EXPECT_EQ(view->render().pixelColor(10, 10).rgb(), QColor(0, 0, 200).rgb());
  // Played once: it holds the last frame, with no further frame due.
  EXPECT_EVENTUALLY(!view->isPlaying());
  EXPECT_EQ(view->state(), 4);

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(view, &leave);
  EXPECT_EVENTUALLY_EQ(view->state(), 1);
  Preview().CloseSection();
  Preview().unbind();
}

}  // namespace
}  // namespace tessera::ui
