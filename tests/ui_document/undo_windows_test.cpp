#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QPointer>
#include <QSpinBox>

#include "core/app/skin_actions.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"
#include "ui/app/main_window.h"
#include "ui/app/undo_actions.h"
#include "ui/editor/section_editor_window.h"
#include "ui/sheet/property_sheet.h"

namespace tessera::ui {
namespace {

class UndoWindowsTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    WriteSetting(settings::FirstRun, "0");
    temp.write("skins/Tessera7/sections.ini", "[Count]\r\nSectionCount=1\r\n[0]\r\nDescription=Buttons\r\n");
    temp.write("skins/Tessera7/subsections2.ini", "[0]\r\nButton=1\r\n");
    temp.write("skins/Tessera7/subsections.ini", "[Button]\r\nDescription=Push button\r\nSection=1\r\n");
    path = writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool\r\n[Button]\r\nImage=x\r\nTopHeight=1\r\n");
    window = std::make_unique<MainWindow>(path);
    window->finishStartup();
    ASSERT_NE(SkinDocument::current(), nullptr);
  }
  void TearDown() override {
    window.reset();
    ResetSkin();
    EnvironmentTest::TearDown();
  }
  std::string key(const char* name) {
    return profile::FindValue("Button", name, Session().mainFile).value_or("<none>");
  }
  // The first margin box and the first tile box of the editor's "Painting" page as it is now.
  QSpinBox* margin(SectionEditorWindow& editor) {
    PropertySheet* sheet = editor.propertySheet();
    sheet->activatePage(sheet->pageCaptions().indexOf("Painting"));
    return sheet->page(sheet->activePage())->findChild<QSpinBox*>();
  }
  QCheckBox* tile(SectionEditorWindow& editor) {
    return editor.propertySheet()->page(editor.propertySheet()->activePage())->findChild<QCheckBox*>();
  }
  static void settle() {
    for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
  }
  std::string path;
  std::unique_ptr<MainWindow> window;
};

TEST_F(UndoWindowsTest, PagesFollowUndoFromTheMainWindowAndRedoFromTheEditor) {
  SectionEditorWindow editor(SkinDocument::current(), "Button", window.get());
  editor.show();
  const std::string before = key("TopHeight");
  margin(editor)->setValue(5);
  settle();
  margin(editor)->setValue(7);  // the same box again merges with the last step
  settle();
  tile(editor)->toggle();
  settle();
  const std::string tiled = profile::ReadSection("Button", Session().mainFile).back();
  ASSERT_EQ(SkinDocument::current()->undoStack()->count(), 2);

  // Undo twice from the main window: the editor's page follows each step without being touched,
  // and without being built again.
  const QPointer<QWidget> page = editor.propertySheet()->page(editor.propertySheet()->activePage());
  QAction* undo = window->undoActions()->undoAction();
  EXPECT_TRUE(undo->text().startsWith("&Undo"));
  undo->trigger();
  settle();
  EXPECT_NE(profile::ReadSection("Button", Session().mainFile).back(), tiled);
  undo->trigger();
  settle();
  EXPECT_EQ(key("TopHeight"), before);
  EXPECT_EQ(margin(editor)->value(), std::stoi(before));
  EXPECT_FALSE(tile(editor)->isChecked());
  EXPECT_EQ(Session().modified, 0);
  EXPECT_EQ(editor.propertySheet()->page(editor.propertySheet()->activePage()), page.data());
  // Reloading the page wrote nothing: both steps can still be redone.
  EXPECT_EQ(SkinDocument::current()->undoStack()->index(), 0);
  EXPECT_EQ(SkinDocument::current()->undoStack()->count(), 2);

  // Redo once from the section editor.
  editor.undoActions()->redoAction()->trigger();
  settle();
  EXPECT_EQ(margin(editor)->value(), 7);
  EXPECT_EQ(Session().modified, 1);
}

TEST_F(UndoWindowsTest, APageShowsAChangeMadeElsewhereInPlace) {
  SectionEditorWindow editor(SkinDocument::current(), "Button", window.get());
  editor.show();
  QSpinBox* box = margin(editor);
  const QPointer<QWidget> page = editor.propertySheet()->page(editor.propertySheet()->activePage());
  // Another window (here: the test) writes the key the box shows.
  WriteSkinString("Button", "TopHeight", "12", Session().mainFile);
  settle();
  EXPECT_EQ(box->value(), 12);
  EXPECT_EQ(editor.propertySheet()->page(editor.propertySheet()->activePage()), page.data());
  EXPECT_EQ(key("TopHeight"), "12");
  // One step: the page's reload added no write of its own.
  EXPECT_EQ(SkinDocument::current()->undoStack()->count(), 1);
}

TEST_F(UndoWindowsTest, StepsAreNamedInThePageWords) {
  SectionEditorWindow editor(SkinDocument::current(), "Button", window.get());
  editor.show();
  editor.activateWindow();
  QSpinBox* box = margin(editor);
  box->setFocus();
  settle();
  ASSERT_TRUE(box->hasFocus());
  box->setValue(5);
  settle();
  box->setValue(6);  // typing on merges into the same step, under the same name
  settle();
  EXPECT_EQ(SkinDocument::current()->undoStack()->count(), 1);
  EXPECT_EQ(SkinDocument::current()->undoStack()->undoText(), QStringLiteral("Change Top of Push button"));
}

TEST_F(UndoWindowsTest, CancelTakesBackWhatTheEditorChangedAndOkKeepsIt) {
  {
    SectionEditorWindow editor(SkinDocument::current(), "Button", window.get());
    editor.show();
    margin(editor)->setValue(9);
    settle();
    editor.reject();
  }
  EXPECT_EQ(key("TopHeight"), "1");
  {
    SectionEditorWindow editor(SkinDocument::current(), "Button", window.get());
    editor.show();
    margin(editor)->setValue(4);
    settle();
    editor.accept();
  }
  EXPECT_EQ(key("TopHeight"), "4");
  EXPECT_TRUE(window->undoActions()->undoAction()->isEnabled());
}

}  // namespace
}  // namespace tessera::ui
