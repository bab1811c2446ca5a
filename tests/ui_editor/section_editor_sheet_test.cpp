#include <gtest/gtest.h>

#include <QComboBox>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>

#include "editor_fixture.h"
#include "ui/editor/bottom_bar.h"
#include "ui/editor/section_editor_window.h"
#include "ui/editor/large_preview_button.h"

namespace tessera::ui {
namespace {

class SheetAndPreviewTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    temp.write("skins/Tessera7/subsections.ini",
               "[One]\r\nDescription=One\r\nSection=1\r\n[Two]\r\nDescription=Two\r\nSection=1\r\n");
    temp.write("skins/Tessera7/subsections3.ini", "[1]\r\nOne=1\r\nTwo=1\r\n");
    temp.write("skins/Tessera7/preview2.ini", "[1]\r\nMouseState=3\r\nPressedState=2\r\n");
    temp.write("skins/Tessera7/previewStates.ini", "[1]\r\nNormal=1\r\nHot=2\r\nDown=3\r\n");
    openSkin("[One]\r\n[Two]\r\n");
  }
};

TEST_F(SheetAndPreviewTest, CaptionClickActivatesThePageAndTheCaptionSurvivesANewSelection) {
  SectionEditorWindow editor(SkinDocument::current(), "One");
  editor.show();
  const QStringList captions = editor.bottomBar()->captions();
  ASSERT_GE(captions.size(), 2);
  const QRect second = editor.bottomBar()->captionRect(1);
  QTest::mouseClick(editor.bottomBar(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(editor.propertySheet()->activePage(), 1);
  EXPECT_EQ(editor.bottomBar()->selected(), 1);

  editor.taskPaneClick(1);
  EXPECT_EQ(editor.currentSection(), "Two");
  EXPECT_EQ(editor.propertySheet()->activeCaption(), captions[1]);
  EXPECT_EQ(editor.bottomBar()->selected(), editor.propertySheet()->activePage());
}

TEST_F(SheetAndPreviewTest, HoverAndPressShowTheGroupsMouseAndPressedStates) {
  SectionEditorWindow editor(SkinDocument::current(), "One");
  LargePreviewButton* preview = editor.largePreview();
  EXPECT_EQ(preview->effectiveRequest().state, 1);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(preview, &enter);
  EXPECT_EQ(preview->effectiveRequest().state, 3);
  QTest::mousePress(preview, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(preview->effectiveRequest().state, 2);
  QTest::mouseRelease(preview, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(preview->effectiveRequest().state, 3);
  // Only the first state is replaced.
  editor.previewStateList()->setCurrentIndex(2);
  EXPECT_EQ(preview->effectiveRequest().state, 3);
  editor.previewStateList()->setCurrentIndex(1);
  EXPECT_EQ(preview->effectiveRequest().state, 2);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(preview, &leave);
  editor.previewStateList()->setCurrentIndex(0);
  EXPECT_EQ(preview->effectiveRequest().state, 1);
}

}  // namespace
}  // namespace tessera::ui
