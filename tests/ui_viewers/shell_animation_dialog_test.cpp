#include "ui/app/shell_animation_dialog.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/app/skin_actions.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "support/modal_dialogs.h"
#include "support/temp_dir.h"
#include "ui/app/editor_launcher.h"
#include "ui/app/main_window.h"
#include "ui/common/video_preview.h"

namespace tessera::ui {
namespace {

// Skin "Cool" open in a main window, with two videos and an animation file choosing one for
// "Copy". The catalogue describes "Copy" and "Search".
class ShellAnimationDialogTest : public tessera::testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    WriteSetting(settings::FirstRun, "0");
    temp.write("skins/Tessera7/sections.ini", "[Count]\r\nSectionCount=1\r\n[0]\r\nDescription=Animations\r\n");
    temp.write("skins/Tessera7/subsections2.ini", "[0]\r\nCopy=2\r\nSearch=2\r\n");
    temp.write("skins/Tessera7/subsections.ini",
               "[Copy]\r\nDescription=Copying files\r\nID=160\r\n[Search]\r\nID=166\r\n");
    temp.write("skins/Cool/Copy.avi", "not really a video");
    temp.write("skins/Cool/blue.AVI", "not really a video");
    temp.write("skins/Cool/notes.txt", "");
    animations = temp.write("skins/Cool/cool.anim", "[Animations.Avis]\r\nCopy=Cool\\Copy.avi\r\n");
    open("[TitlebarSkin]\r\nSkinName=Cool\r\n[Animations]\r\nFile=Cool\\cool.anim\r\n");
  }
  void TearDown() override {
    window.reset();
    ResetSkin();
    EnvironmentTest::TearDown();
  }
  void open(std::string_view mainText) {
    window.reset();
    window = std::make_unique<MainWindow>(writeSkin("Cool", mainText));
    window->finishStartup();
    ASSERT_NE(SkinDocument::current(), nullptr);
  }
  std::string stored(const char* name = "Copy") const {
    return profile::FindValue("Animations.Avis", name, animations).value_or("<none>");
  }
  static QStringList entries(const ShellAnimationDialog& dialog) {
    QStringList texts;
    for (int row = 0; row < dialog.list()->count(); ++row) texts << dialog.list()->item(row)->text();
    return texts;
  }
  static void press(ShellAnimationDialog& dialog, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
  }
  std::string animations;
  std::unique_ptr<MainWindow> window;
};

TEST_F(ShellAnimationDialogTest, ListsTheSkinsVideosAndSelectsTheStoredOne) {
  ShellAnimationDialog dialog(SkinDocument::current(), "Copy", window.get());
  EXPECT_EQ(dialog.windowTitle(), "Copying files");
  EXPECT_EQ(entries(dialog), (QStringList{"OS default image", "cool\\blue.avi", "cool\\copy.avi"}));
  EXPECT_EQ(dialog.list()->currentRow(), 2);
  // Offscreen nothing plays; the preview says so in its line.
  EXPECT_FALSE(dialog.preview()->isPlaying());
  EXPECT_EQ(dialog.preview()->message(), "Videos do not play on this display. (Copy.avi)");
  dialog.list()->setCurrentRow(0);
  EXPECT_EQ(dialog.preview()->message(), "The system's own animation (clip 160) plays here.");

  // Without a description the caption is the name; without a stored choice the first entry.
  ShellAnimationDialog search(SkinDocument::current(), "Search", window.get());
  EXPECT_EQ(search.windowTitle(), "Search");
  EXPECT_EQ(search.list()->currentRow(), 0);
  EXPECT_EQ(search.preview()->message(), "The system's own animation (clip 166) plays here.");
}

TEST_F(ShellAnimationDialogTest, OkStoresTheChoiceAsOneUndoStepAndCancelStoresNothing) {
  QUndoStack* undo = SkinDocument::current()->undoStack();
  const int steps = undo->count();
  {
    ShellAnimationDialog dialog(SkinDocument::current(), "Copy", window.get());
    dialog.list()->setCurrentRow(1);
    press(dialog, QDialogButtonBox::Cancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  EXPECT_EQ(stored(), "Cool\\Copy.avi");
  EXPECT_EQ(undo->count(), steps);
  {
    ShellAnimationDialog dialog(SkinDocument::current(), "Copy", window.get());
    dialog.list()->setCurrentRow(1);
    press(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
  EXPECT_EQ(stored(), "cool\\blue.avi");
  ASSERT_EQ(undo->count(), steps + 1);
  EXPECT_EQ(undo->text(undo->count() - 1), "Replace animation");
  undo->undo();
  EXPECT_EQ(stored(), "Cool\\Copy.avi");
  {
    // "OS default image" removes the key.
    ShellAnimationDialog dialog(SkinDocument::current(), "Copy", window.get());
    dialog.show();
    dialog.list()->setCurrentRow(0);
    QTest::keyClick(dialog.list(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
  EXPECT_EQ(stored(), "<none>");
  EXPECT_EQ(profile::FindValue("Animations.Avis", "Copy", animations), std::nullopt);
}

TEST_F(ShellAnimationDialogTest, AStoredChoiceTheListDoesNotOfferIsKeptByOk) {
  profile::WriteString("Animations.Avis", "Copy", "Cool\\copy.zor", animations);
  ShellAnimationDialog dialog(SkinDocument::current(), "Copy", window.get());
  EXPECT_EQ(entries(dialog).last(), "Cool\\copy.zor");
  EXPECT_EQ(dialog.list()->currentRow(), 3);
  EXPECT_EQ(dialog.preview()->message(), "The file \"copy.zor\" cannot be found.");
  press(dialog, QDialogButtonBox::Ok);
  EXPECT_EQ(stored(), "Cool\\copy.zor");
}

TEST_F(ShellAnimationDialogTest, ValuesLeadingOutOfTheSkinsFolderAreNeitherReadNorPlayed) {
  profile::WriteString("Animations.Avis", "Copy", "..\\..\\secret.avi", animations);
  {
    ShellAnimationDialog dialog(SkinDocument::current(), "Copy", window.get());
    EXPECT_EQ(dialog.preview()->message(), "\"..\\..\\secret.avi\" lies outside the skins folder.");
  }

  // An animation file outside the skins folder is not used at all.
  open("[TitlebarSkin]\r\nSkinName=Cool\r\n[Animations]\r\nFile=..\\outside.anim\r\n");
  ShellAnimationDialog outside(SkinDocument::current(), "Copy", window.get());
  EXPECT_EQ(outside.status(),
            "The skin's animation file \"..\\outside.anim\" lies outside the skins folder, so the choice cannot be "
            "stored.");
  press(outside, QDialogButtonBox::Ok);
  EXPECT_FALSE(files::exists(temp.file("outside.anim")));
}

TEST_F(ShellAnimationDialogTest, ASkinWithoutAnimationFileSaysSoAndOkStoresNothing) {
  open("[TitlebarSkin]\r\nSkinName=Cool\r\n");
  const std::string before = temp.read("skins/Cool/cool.anim");
  ShellAnimationDialog dialog(SkinDocument::current(), "Copy", window.get());
  EXPECT_EQ(dialog.list()->currentRow(), 0);
  EXPECT_EQ(dialog.status(), "This skin names no animation file ([Animations] File), so the choice cannot be stored.");
  dialog.list()->setCurrentRow(1);
  press(dialog, QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(temp.read("skins/Cool/cool.anim"), before);
}

TEST_F(ShellAnimationDialogTest, TheMainWindowsEntryOpensThePicker) {
  bool opened = false;
  const auto picker = testing::WhenModal<ShellAnimationDialog>([&](ShellAnimationDialog* dialog) {
    opened = dialog->windowTitle() == "Copying files";
    dialog->reject();
  });
  OpenEntryEditor(window.get(), SkinDocument::current(), 0, "Copy=2");
  EXPECT_TRUE(opened);
}

// Qt Multimedia and its sound libraries are the media module's: neither the editor's widgets nor
// a main window with the picker open and closed bring them in.
TEST_F(ShellAnimationDialogTest, MultimediaStaysOutOfTheProcessUntilAVideoPlays) {
  {
    ShellAnimationDialog dialog(SkinDocument::current(), "Copy", window.get());
    dialog.show();
    dialog.list()->setCurrentRow(0);
    EXPECT_FALSE(dialog.preview()->message().isEmpty());  // no video plays offscreen
  }
  QFile maps(QStringLiteral("/proc/self/maps"));
  ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
  const QByteArray mapped = maps.readAll();
  EXPECT_FALSE(mapped.contains("libQt6Multimedia")) << "Qt Multimedia is mapped into the process";
  EXPECT_FALSE(mapped.contains("libtessera_media")) << "the media module loaded without a video playing";
}

}  // namespace
}  // namespace tessera::ui
