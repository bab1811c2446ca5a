#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QTest>

#include "core/image/cut_links.h"
#include "core/platform/profile.h"
#include "ui/strip/cut_tool_dialog.h"
#include "ui/strip/cut_picture_area.h"
#include "ui/strip/update_section_dialog.h"
#include "ui_strip/strip_fixture.h"

namespace tessera::ui {
namespace {

using testing::ButtonNamed;
using testing::ClickAnsweringPicker;

class CutToolTest : public testing::StripDialogTest {
 protected:
  void SetUp() override {
    StripDialogTest::SetUp();
    // Unless a test says otherwise, the section question is answered "None".
    CurrentSectionLinkChooser() = [](QWidget*) { return SectionLinkAnswer{}; };
    openSkin("[Part]\r\nImage=old.bmp\r\n");
    source = writeGradient("art/big.tga", 40, 30);
  }
  void TearDown() override {
    CurrentSectionLinkChooser() = &UpdateSectionDialog::ask;
    StripDialogTest::TearDown();
  }
  void pickSource(CutToolDialog& tool, const std::string& path) {
    const FilePickerRequest asked = ClickAnsweringPicker(&tool, QStringLiteral("Pick source graphic..."), path);
    EXPECT_EQ(asked.title, QStringLiteral("Select source image..."));
    EXPECT_EQ(asked.mode, PickerMode::Open);
  }
  // Drags the selection from `from` to `to` with the left button.
  static void drag(CutPictureArea* area, QPoint from, QPoint to) {
    QTest::mousePress(area, Qt::LeftButton, {}, from);
    QTest::mouseMove(area, (from + to) / 2);
    QTest::mouseMove(area, to);
    QTest::mouseRelease(area, Qt::LeftButton, {}, to);
  }
  void save(CutToolDialog& tool, const std::string& path) {
    const FilePickerRequest asked = ClickAnsweringPicker(&tool, QStringLiteral("Save..."), path);
    EXPECT_EQ(asked.title, QStringLiteral("Select destination image..."));
    EXPECT_EQ(asked.mode, PickerMode::Save);
  }
  std::string source;
};

TEST_F(CutToolTest, SelectionDraggedUpLeftIsCutSavedAndLinked) {
  std::vector<int> asked;
  CurrentSectionLinkChooser() = [&asked](QWidget*) {
    asked.push_back(1);
    return SectionLinkAnswer{"Part", 0};
  };
  CutToolDialog tool(SkinDocument::current());
  tool.show();
  pickSource(tool, source);
  ASSERT_TRUE(tool.hasSource());
  EXPECT_TRUE(tool.findChild<QCheckBox*>()->isChecked());

  drag(tool.pictureArea(), {20, 15}, {6, 4});
  EXPECT_EQ(tool.pictureArea()->selection(), (CutRect{20, 15, 6, 4}));
  const std::string destination = temp.file("skins/S/part.bmp");
  save(tool, destination);

  std::string format;
  const auto cut = LoadImageFile(destination, format);
  ASSERT_TRUE(cut);
  EXPECT_EQ(format, "bmp");
  EXPECT_EQ(cut->width(), 14);
  EXPECT_EQ(cut->height(), 11);
  EXPECT_EQ(RedOfPixel(cut->pixelAt(0, 0)), 6);
  EXPECT_EQ(GreenOfPixel(cut->pixelAt(0, 0)), 4);
  EXPECT_EQ(RedOfPixel(cut->pixelAt(13, 10)), 19);
  EXPECT_EQ(GreenOfPixel(cut->pixelAt(13, 10)), 14);

  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(skinValue("Part", "Image"), "S\\part.bmp");
  EXPECT_EQ(skinValue("Part", "PerPixel"), "0");
  EXPECT_EQ(skinValue("Part", "Trans"), std::nullopt);

  EXPECT_EQ(profile::ReadString(source, "Linked", "", CutLinkIndexPath()), "1");
  const auto cuts = ReadCutList(source);
  ASSERT_EQ(cuts.size(), 1u);
  EXPECT_EQ(cuts[0].target, destination);
  EXPECT_EQ(cuts[0].rect, (CutRect{6, 4, 20, 15}));
  EXPECT_FALSE(cuts[0].tga);
}

TEST_F(CutToolTest, UnlinkedTgaCutAndAnswerNoneLeaveTheSkinAlone) {
  CutToolDialog tool(SkinDocument::current());
  tool.show();
  pickSource(tool, source);
  tool.findChild<QCheckBox*>()->setChecked(false);
  drag(tool.pictureArea(), {2, 3}, {10, 8});
  const std::string destination = temp.file("skins/S/piece.tga");
  save(tool, destination);

  std::string format;
  const auto cut = LoadImageFile(destination, format);
  ASSERT_TRUE(cut);
  EXPECT_EQ(format, "tga");
  EXPECT_EQ(cut->width(), 8);
  EXPECT_EQ(cut->height(), 5);
  EXPECT_EQ(RedOfPixel(cut->pixelAt(0, 0)), 2);
  EXPECT_TRUE(ReadCutList(source).empty());
  EXPECT_FALSE(files::exists(CutLinkIndexPath()));
  EXPECT_EQ(skinValue("Part", "Image"), "old.bmp");
}

TEST_F(CutToolTest, TgaCutLinkedToASectionIsPerPixel) {
  CurrentSectionLinkChooser() = [](QWidget*) { return SectionLinkAnswer{"Part", 0}; };
  CutToolDialog tool(SkinDocument::current());
  tool.show();
  pickSource(tool, source);
  drag(tool.pictureArea(), {1, 1}, {5, 5});
  save(tool, temp.file("skins/S/glyph.tga"));
  EXPECT_EQ(skinValue("Part", "Image"), "S\\glyph.tga");
  EXPECT_EQ(skinValue("Part", "Trans"), "1");
  EXPECT_EQ(skinValue("Part", "PerPixel"), "1");
  ASSERT_EQ(ReadCutList(source).size(), 1u);
  EXPECT_TRUE(ReadCutList(source)[0].tga);
}

TEST_F(CutToolTest, NothingIsWrittenWithoutASourceOrASelection) {
  bool asked = false;
  CurrentSectionLinkChooser() = [&asked](QWidget*) {
    asked = true;
    return SectionLinkAnswer{"Part", 0};
  };
  CutToolDialog tool(SkinDocument::current());
  tool.show();
  // A file that is no picture leaves the tool without a source.
  pickSource(tool, temp.write("art/notes.png", "not a picture"));
  EXPECT_FALSE(tool.hasSource());
  drag(tool.pictureArea(), {1, 1}, {5, 5});
  save(tool, temp.file("skins/S/none.bmp"));
  EXPECT_FALSE(files::exists(temp.file("skins/S/none.bmp")));

  // A click without a drag selects nothing to cut.
  pickSource(tool, source);
  drag(tool.pictureArea(), {7, 7}, {7, 7});
  save(tool, temp.file("skins/S/empty.bmp"));
  EXPECT_FALSE(files::exists(temp.file("skins/S/empty.bmp")));
  EXPECT_FALSE(asked);
  EXPECT_TRUE(ReadCutList(source).empty());
}

TEST_F(CutToolTest, WheelSetsTheMagnifierZoomNeverBelowOne) {
  CutToolDialog tool(SkinDocument::current());
  tool.show();
  CutPictureArea* area = tool.pictureArea();
  const int start = CutPictureArea::zoom();
  auto wheel = [area](int notches) {
    QWheelEvent event(QPointF(10, 10), area->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, notches * 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area, &event);
  };
  wheel(2);
  EXPECT_EQ(CutPictureArea::zoom(), start + 2);
  wheel(-(start + 5));
  EXPECT_EQ(CutPictureArea::zoom(), 1);
}

// The "Update section" dialog lists the sections of the main file and of both companions; the
// cut-out's keys go into the file the chosen section was listed from, even where the catalogue
// routes a section of that name elsewhere.
TEST_F(CutToolTest, UpdateSectionLinksTheCutOutInTheFileOfTheChosenSection) {
  CurrentSectionLinkChooser() = &UpdateSectionDialog::ask;
  catalogue("subsections.ini", "[Part]\r\nAlternativeFile=2\r\n[Tray]\r\nAlternativeFile=0\r\n");
  openSkin("[Part]\r\nImage=old.bmp\r\n[XPShell]\r\nFile=S\\S.xps~\r\n",
           "[XPTaskbar]\r\n[Tray]\r\n", "[XPShell]\r\n[Part]\r\n[Explorer]\r\n");
  const std::string& main = Session().mainFile;
  const std::string& taskbar = Session().companionFiles[0];
  const std::string& shell = Session().companionFiles[1];

  struct Case {
    QString row;
    std::string cutOut;
    std::string file;
    std::string section;
  };
  const std::vector<Case> cases = {{QStringLiteral("Part"), "main.bmp", main, "Part"},
                                   {QStringLiteral("Tray  [taskbar file]"), "tray.tga", taskbar, "Tray"},
                                   {QStringLiteral("Part  [shell file]"), "shell.bmp", shell, "Part"}};
  CutToolDialog tool(SkinDocument::current());
  tool.show();
  pickSource(tool, source);
  drag(tool.pictureArea(), {0, 0}, {8, 8});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cutOut);
    auto choose = testing::WhenModal<UpdateSectionDialog>([&c](UpdateSectionDialog* dialog) {
      const auto rows = dialog->sectionList()->findItems(c.row, Qt::MatchExactly);
      ASSERT_EQ(rows.size(), 1);
      dialog->sectionList()->setCurrentItem(rows.front());
      ButtonNamed(dialog, QStringLiteral("Update"))->click();
    });
    save(tool, temp.file("skins/S/" + c.cutOut));
    EXPECT_EQ(profile::FindValue(c.section, "Image", c.file), "S\\" + c.cutOut);
  }
  // Each file got only its own cut-out.
  EXPECT_EQ(profile::FindValue("Part", "Image", main), "S\\main.bmp");
  EXPECT_EQ(profile::FindValue("Part", "PerPixel", main), "0");
  EXPECT_EQ(profile::FindValue("Tray", "Trans", taskbar), "1");
  EXPECT_EQ(profile::FindValue("Part", "Image", taskbar), std::nullopt);
  EXPECT_EQ(profile::FindValue("Part", "Image", shell), "S\\shell.bmp");
  EXPECT_EQ(profile::FindValue("Tray", "Image", main), std::nullopt);
}

}  // namespace
}  // namespace tessera::ui
