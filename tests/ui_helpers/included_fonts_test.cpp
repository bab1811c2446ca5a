#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "core/colours/included_fonts.h"
#include "ui/colours/included_fonts_dialog.h"
#include "ui_helpers/helpers_fixture.h"

namespace tessera::ui {
namespace {

using testing::CatchNextMessage;
using testing::MinimalFontBytes;
using testing::ScriptedFilePicker;

TEST(FontData, TheTableDirectoryMustLieInsideTheFile) {
  const std::string font = MinimalFontBytes();
  EXPECT_TRUE(IsFontData(font));
  EXPECT_FALSE(IsFontData(font.substr(0, 31)));  // the table's data runs past the end
  EXPECT_FALSE(IsFontData(font.substr(0, 20)));  // the table record is cut
  EXPECT_FALSE(IsFontData("just some text that is long enough"));
  std::string noTables = font;
  noTables[5] = 0;
  EXPECT_FALSE(IsFontData(noTables));
  // A collection of one face at offset 16.
  std::string collection("ttcf\x00\x01\x00\x00\x00\x00\x00\x01\x00\x00\x00\x10", 16);
  std::string face = font;
  face[23] = static_cast<char>(28 + 16);  // the table's data moves with the face
  EXPECT_TRUE(IsFontData(collection + face));
  EXPECT_FALSE(IsFontData(collection));
}

class IncludedFontsTest : public testing::HelperDialogTest {
 protected:
  void SetUp() override {
    HelperDialogTest::SetUp();
    temp.write("skins/S/Able.ttf", MinimalFontBytes());
    temp.write("skins/S/bold.TTF", MinimalFontBytes());
    temp.write("skins/S/notes.txt", "no font");
    openWithJournal("[Fonts.Install]\r\nFont1=s\\bold.ttf\r\nFont3=s\\gone.ttf\r\n");
  }
  // "<None>" first, then the fonts in the folder's order, here sorted.
  static QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 1; i < list->count(); ++i) texts << list->itemText(i);
    texts.sort();
    if (list->count() > 0) texts.prepend(list->itemText(0));
    return texts;
  }
  void copyFromDisk(IncludedFontsDialog& dialog, const std::string& path) {
    ScriptedFilePicker picker;
    picker.choose(path);
    dialog.copyFontFromDisk();
    EXPECT_EQ(picker.lastRequest().title, QStringLiteral("Select font to add to skin folder..."));
  }
};

TEST_F(IncludedFontsTest, ListsTheSkinFontsAndOkWritesTheChoices) {
  IncludedFontsDialog dialog(SkinDocument::current());
  dialog.show();
  EXPECT_EQ(entries(dialog.fontList(0)), (QStringList{"<None>", "s\\able.ttf", "s\\bold.ttf"}));
  EXPECT_EQ(dialog.fontList(0)->currentText(), QStringLiteral("s\\bold.ttf"));
  EXPECT_EQ(dialog.fontList(1)->currentIndex(), 0);
  EXPECT_EQ(dialog.fontList(2)->currentIndex(), 0);  // a file that is not there

  dialog.fontList(1)->setCurrentIndex(1);
  dialog.fontList(0)->setCurrentIndex(0);
  // Nothing is written before OK.
  EXPECT_EQ(skinValue("Fonts.Install", "Font1"), "s\\bold.ttf");
  dialog.accept();
  EXPECT_EQ(skinValue("Fonts.Install", "Font1"), std::nullopt);
  EXPECT_EQ(skinValue("Fonts.Install", "Font2"), "s\\able.ttf");
  EXPECT_EQ(skinValue("Fonts.Install", "Font3"), std::nullopt);
  EXPECT_EQ(undoText(), QStringLiteral("Included fonts"));
}

TEST_F(IncludedFontsTest, CopiesFontsButRefusesOtherFilesAndKeepsExistingOnes) {
  IncludedFontsDialog dialog(SkinDocument::current());
  dialog.show();
  dialog.fontList(3)->setCurrentIndex(1);

  copyFromDisk(dialog, temp.write("elsewhere/Clear.ttf", MinimalFontBytes()));
  EXPECT_TRUE(files::isFile(temp.file("skins/S/Clear.ttf")));
  EXPECT_EQ(entries(dialog.fontList(0)), (QStringList{"<None>", "s\\able.ttf", "s\\bold.ttf", "s\\clear.ttf"}));
  // The choices made so far survive the refill.
  EXPECT_EQ(dialog.fontList(0)->currentText(), QStringLiteral("s\\bold.ttf"));
  EXPECT_EQ(dialog.fontList(3)->currentText(), QStringLiteral("s\\able.ttf"));

  {
    auto message = CatchNextMessage();
    copyFromDisk(dialog, temp.write("elsewhere/Fake.ttf", "<html>not a font</html>"));
    EXPECT_TRUE(message->shown);
    EXPECT_TRUE(message->text.contains(QStringLiteral("not a TrueType font")));
  }
  EXPECT_FALSE(files::exists(temp.file("skins/S/Fake.ttf")));

  // A font of the same name is not overwritten.
  copyFromDisk(dialog, temp.write("elsewhere/bold.ttf", MinimalFontBytes() + "newer"));
  EXPECT_EQ(temp.read("skins/S/bold.TTF"), MinimalFontBytes());
  EXPECT_EQ(dialog.fontList(0)->count(), 4);
}

TEST_F(IncludedFontsTest, CancelTakesBackCopiedFontsAndWritesNothing) {
  IncludedFontsDialog dialog(SkinDocument::current());
  dialog.show();
  copyFromDisk(dialog, temp.write("elsewhere/Clear.ttf", MinimalFontBytes()));
  ASSERT_TRUE(files::isFile(temp.file("skins/S/Clear.ttf")));
  dialog.fontList(4)->setCurrentIndex(3);
  dialog.reject();
  EXPECT_FALSE(files::exists(temp.file("skins/S/Clear.ttf")));
  EXPECT_EQ(skinValue("Fonts.Install", "Font1"), "s\\bold.ttf");
  EXPECT_EQ(skinValue("Fonts.Install", "Font5"), std::nullopt);
}

}  // namespace
}  // namespace tessera::ui
