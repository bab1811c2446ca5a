// The section editor from the keyboard, its title's unsaved mark and the tooltips of its
// unlabelled controls.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "editor_fixture.h"
#include "ui/editor/section_editor_window.h"
#include "ui/editor/task_pane_list.h"
#include "ui/sheet/property_sheet.h"

namespace tessera::ui {
namespace {

class SectionEditorKeyboardTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    temp.write("skins/Tessera7/subsections.ini", "[Btn]\r\nDescription=Push button\r\nSection=1\r\n");
    openSkin("[Btn]\r\nImage=s\\btn.tga\r\n");
  }
};

TEST_F(SectionEditorKeyboardTest, TabFromTheTaskPaneReachesTheSheetPageBeforeOkAndCancel) {
  SectionEditorWindow editor(SkinDocument::current(), "Btn");
  editor.show();
  QApplication::setActiveWindow(&editor);
  settle();
  ASSERT_NE(editor.taskPane(), nullptr);
  ASSERT_NE(editor.propertySheet(), nullptr);
  QWidget* page = editor.propertySheet()->page(editor.propertySheet()->activePage());
  ASSERT_NE(page, nullptr);
  auto* buttons = editor.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QWidget* ok = buttons->button(QDialogButtonBox::Ok);
  QWidget* cancel = buttons->button(QDialogButtonBox::Cancel);

  editor.taskPane()->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), editor.taskPane());
  int pageAt = -1, okAt = -1, cancelAt = -1;
  for (int step = 1; step <= 60 && (okAt < 0 || cancelAt < 0); ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    if (pageAt < 0 && focus && page->isAncestorOf(focus)) pageAt = step;
    if (okAt < 0 && focus == ok) okAt = step;
    if (cancelAt < 0 && focus == cancel) cancelAt = step;
  }
  EXPECT_GT(pageAt, 0) << "the sheet's page is never reached";
  // OK and Cancel come after the page (in the order the desktop's button layout gives them).
  EXPECT_GT(okAt, pageAt);
  EXPECT_GT(cancelAt, pageAt);
}

TEST_F(SectionEditorKeyboardTest, TitleIsMarkedWhileTheSkinHasUnsavedChanges) {
  SkinDocument document(skinsFolder() + "/S");
  Session().modified = 0;
  SectionEditorWindow editor(SkinDocument::current(), "Btn");
  EXPECT_TRUE(editor.windowTitle().contains(QStringLiteral("[*]")));
  EXPECT_FALSE(editor.isWindowModified());
  WriteSkinString("Btn", "Image", "s\\other.tga", mainFile);
  document.commitPendingStep();
  EXPECT_TRUE(editor.isWindowModified());
  document.undoStack()->undo();
  EXPECT_FALSE(editor.isWindowModified());
}

TEST_F(SectionEditorKeyboardTest, UnlabelledControlsHaveTooltips) {
  SectionEditorWindow editor(SkinDocument::current(), "Btn");
  settle();
  // Sliders and buttons whose caption is a symbol say what they do.
  for (QAbstractSlider* slider : editor.findChildren<QAbstractSlider*>()) {
    if (slider->inherits("QScrollBar")) continue;  // the lists' own
    EXPECT_FALSE(slider->toolTip().isEmpty()) << slider->metaObject()->className();
  }
  int symbols = 0;
  for (QPushButton* button : editor.findChildren<QPushButton*>()) {
    if (button->text().remove(QLatin1Char('&')).size() > 1) continue;
    ++symbols;
    EXPECT_FALSE(button->toolTip().isEmpty()) << button->text().toStdString();
  }
  EXPECT_GE(symbols, 3);  // "Z", "+", "-", and the image slots' ">"
}

}  // namespace
}  // namespace tessera::ui
