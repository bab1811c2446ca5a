#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "core/platform/settings.h"
#include "core/platform/shell.h"
#include "editor_fixture.h"
#include "ui/editor/section_editor_window.h"

namespace tessera::ui {
namespace {

class CommandsTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    writeSkin("S", "[Btn]\r\nImage=old.tga\r\n");
    mainFile = temp.write("skins/S/S.uis~", "[Btn]\r\nImage=new.tga\r\n[TitlebarSkin]\r\nSkinName=Shiny\r\n");
    Session().mainFile = mainFile;
    Session().skinName = "S";
    Session().modified = 1;
    WriteSetting(settings::AutoSave, "1");
    InstallShell(&shell);
  }
  static QPushButton* button(SectionEditorWindow& editor, const QString& caption) {
    for (QPushButton* candidate : editor.findChildren<QPushButton*>()) {
      if (candidate->text().remove(QLatin1Char('&')) == caption) return candidate;
    }
    return nullptr;
  }
  RecordingShell shell;
};

TEST_F(CommandsTest, SaveSkinCopiesTheWorkingFileBack) {
  SectionEditorWindow editor(SkinDocument::current(), "Btn");
  QPushButton* save = button(editor, "Save skin");
  ASSERT_NE(save, nullptr);
  QTest::mouseClick(save, Qt::LeftButton);
  EXPECT_NE(temp.read("skins/S/S.uis").find("new.tga"), std::string::npos);
}

TEST_F(CommandsTest, ApplySkinRunsOnTheWindowThreadOnceTheClickIsHandled) {
  SectionEditorWindow editor(SkinDocument::current(), "Btn");
  QPushButton* apply = button(editor, "Apply skin");
  ASSERT_NE(apply, nullptr);
  QTest::mouseClick(apply, Qt::LeftButton);
  // Queued, not run inside the click: nothing is applied yet.
  EXPECT_EQ(ReadSetting(settings::SkinSet), "");
  settle();
  EXPECT_EQ(ReadSetting(settings::SkinSet), mainFile.substr(0, mainFile.size() - 1));
  EXPECT_EQ(ReadSetting(settings::SkinSet2), "Shiny");
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].verb, "start");
}

}  // namespace
}  // namespace tessera::ui
