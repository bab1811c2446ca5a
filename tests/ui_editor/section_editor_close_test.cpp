#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "editor_fixture.h"
#include "ui/editor/section_editor_window.h"
#include "ui/sheet/property_sheet.h"

namespace tessera::ui {
namespace {

// Closing the editor right after an edit, while the page's refresh is still pending.
class CloseAfterEditTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    temp.write("skins/Tessera7/subsections.ini", "[Btn]\r\nDescription=Push button\r\nSection=1\r\n");
    openSkin("[Btn]\r\nImage=s\\btn.tga\r\nTopHeight=1\r\n");
    editor = std::make_unique<SectionEditorWindow>(SkinDocument::current(), "Btn");
    editor->show();
    PropertySheet* sheet = editor->propertySheet();
    ASSERT_NE(sheet, nullptr);
    const int painting = sheet->pageCaptions().indexOf("Painting");
    ASSERT_GE(painting, 0);
    sheet->activatePage(painting);
    spin = sheet->page(painting)->findChild<QSpinBox*>();
    ASSERT_NE(spin, nullptr);
  }
  // Types a value into the page's first number box, which writes it and starts the refresh.
  void typeNumber() {
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "7");
  }
  QPushButton* button(QDialogButtonBox::StandardButton which) {
    for (auto* box : editor->findChildren<QDialogButtonBox*>())
      if (QPushButton* found = box->button(which)) return found;
    return nullptr;
  }
  std::unique_ptr<SectionEditorWindow> editor;
  QSpinBox* spin = nullptr;
};

TEST_F(CloseAfterEditTest, EnterOnANumberClosesWithOkAndTheEditSurvivesTheWindow) {
  typeNumber();
  QTest::keyClick(spin, Qt::Key_Return);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(editor->result(), QDialog::Accepted);
  editor.reset();  // the pending refresh runs here, against a whole window
  EXPECT_EQ(skinValue("Btn", "TopHeight"), "7");
}

TEST_F(CloseAfterEditTest, CancelAndEscapeRightAfterAnEditCloseCleanly) {
  typeNumber();
  QTest::mouseClick(button(QDialogButtonBox::Cancel), Qt::LeftButton);
  EXPECT_EQ(editor->result(), QDialog::Rejected);
  editor.reset();

  editor = std::make_unique<SectionEditorWindow>(SkinDocument::current(), "Btn");
  editor->show();
  QSpinBox* again = editor->propertySheet()->findChild<QSpinBox*>();
  ASSERT_NE(again, nullptr);
  again->setFocus();
  QTest::keyClicks(again, "3");
  QTest::keyClick(editor.get(), Qt::Key_Escape);
  EXPECT_FALSE(editor->isVisible());
  editor.reset();
}

TEST_F(CloseAfterEditTest, ClosedWhileASheetRebuildIsQueued) {
  typeNumber();
  editor->requestSheetRebuild();
  editor->close();
  editor.reset();
  settle();  // the queued rebuild must not run against the destroyed window
  EXPECT_EQ(skinValue("Btn", "TopHeight"), "7");
}

TEST_F(CloseAfterEditTest, TheWindowThatOwnsItClosesItWithAChildDialogOpen) {
  // The editor goes with its parent, right after an edit, while a dialog of its own is shown.
  auto* owner = new QWidget;
  auto* owned = new SectionEditorWindow(SkinDocument::current(), "Btn", owner);
  owned->show();
  PropertySheet* sheet = owned->propertySheet();
  sheet->activatePage(sheet->pageCaptions().indexOf("Painting"));
  QSpinBox* box = sheet->page(sheet->activePage())->findChild<QSpinBox*>();
  ASSERT_NE(box, nullptr);
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, "5");
  auto* child = new QDialog(owned);
  child->show();
  delete owner;
  settle();
  EXPECT_EQ(skinValue("Btn", "TopHeight"), "5");
}

}  // namespace
}  // namespace tessera::ui
