// Windows closed at once after an edit, by OK, Cancel, Escape or their parent going: nothing of
// theirs may run against a half-destroyed window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "core/colours/colour_presets.h"
#include "core/platform/profile.h"
#include "core/skin/skin_session.h"
#include "crawl_support.h"
#include "support/temp_dir.h"
#include "ui/colours/edit_colours_dialog.h"
#include "ui/colours/edit_fonts_dialog.h"

namespace tessera::ui {
namespace {

class PresetEditorCloseTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    Session().mainFile = writeSkin("S", "[TitlebarSkin]\r\nSkinName=S\r\n"
                                        "[Colour1]\r\nName=Sky\r\nColour=10 20 30\r\n"
                                        "[Font1]\r\nName=Body\r\nFont=Tahoma\r\nSize=9\r\n");
    Session().skinName = "S";
    parent = std::make_unique<QWidget>();
    parent->show();
  }
  // Types into the name field of a shown editor, leaving the field focused and edited.
  static void typeName(QDialog& editor, QLineEdit* name) {
    editor.show();
    QApplication::setActiveWindow(&editor);
    name->setFocus();
    ASSERT_TRUE(name->hasFocus());
    QTest::keyClicks(name, "x");
  }
  std::unique_ptr<QWidget> parent;
};

// The parent window goes while the editor is open with an edited name: the field loses focus as
// the editor is torn down, and its "editing finished" must not refill a half-destroyed list.
TEST_F(PresetEditorCloseTest, ColoursEditorGoesWithItsParentRightAfterAnEdit) {
  auto* editor = new EditColoursDialog(SkinDocument::current(), parent.get());
  ASSERT_GT(editor->colourList()->count(), 0);
  typeName(*editor, editor->nameEdit());
  parent.reset();
  crawl::DrainEvents();
}

TEST_F(PresetEditorCloseTest, FontsEditorGoesWithItsParentRightAfterAnEdit) {
  auto* editor = new EditFontsDialog(SkinDocument::current(), parent.get());
  typeName(*editor, editor->nameEdit());
  parent.reset();
  crawl::DrainEvents();
}

TEST_F(PresetEditorCloseTest, ColoursEditorClosedByEachWayRightAfterAnEdit) {
  for (crawl::CloseBy how : {crawl::CloseBy::Ok, crawl::CloseBy::Cancel, crawl::CloseBy::Escape}) {
    SCOPED_TRACE(crawl::CloseName(how));
    auto editor = std::make_unique<EditColoursDialog>(SkinDocument::current(), parent.get());
    typeName(*editor, editor->nameEdit());
    EXPECT_TRUE(crawl::CloseDialog(*editor, how));
    EXPECT_FALSE(editor->isVisible());
    editor.reset();
    crawl::DrainEvents();
  }
}

}  // namespace
}  // namespace tessera::ui
