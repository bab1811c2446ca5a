#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

#include "core/app/preview_engine.h"
#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "support/scripted_file_picker.h"
#include "ui/pages/border_page.h"
#include "ui/pages/example_box.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/note_box.h"
#include "ui/pages/slot_file_list.h"
#include "ui/pages/slot_preview_box.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_pages/pages_fixture.h"
#include "ui_sheet/fake_editor.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;
using testing::ScriptedFilePicker;

class BorderPagesTest : public testing::PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    writePicture("left.tga");
    writePicture("top.bmp");
    writePicture(temp.file("skins/Tessera7/previews/topframe.png"));
    catalogue("subsections.ini",
              "[Frame]\r\nFrameMode=2\r\nImageCount=3\r\nImageNotes=Border notes\r\nPreview4=topframe.png\r\n");
  }
};

TEST_F(BorderPagesTest, LeftBorderReadsItsKeysFromPersonality) {
  openSkin("[Frame]\r\nLeft=s\\wrong.tga\r\n[Personality]\r\nLeft=s\\left.tga\r\nLeftFrame=5\r\nLeftStretch=1\r\n"
           "LeftTopHeight=7\r\nLeftBotHeight=9\r\n");
  FakeEditor editor("Frame", "Frame");
  LeftBorderPage page(editor);
  EXPECT_EQ(page.caption(), "Left border");
  EXPECT_EQ(page.slotPanel()->selectedValue(), "s\\left.tga");
  EXPECT_EQ(page.slotPanel()->fileList()->itemText(0), " No Image defined - This section is not optional");
  EXPECT_EQ(page.frameCountBox()->value(), 5);
  EXPECT_TRUE(page.stretchBox()->isChecked());
  EXPECT_EQ(page.stretchBox()->text(), "Stretch middle part of border");
  EXPECT_EQ(page.firstMarginBox()->value(), 7);
  EXPECT_EQ(page.secondMarginBox()->value(), 9);
  EXPECT_EQ(page.noteBox()->text(), "Border notes");
  // Only the top border names an example picture.
  EXPECT_FALSE(page.exampleBox()->hasPicture());
}

// The small preview is the frame as the preview library draws it, not the border's picture file.
TEST_F(BorderPagesTest, ThePreviewIsTheFrameTheLibraryDraws) {
  static DynamicLibrary module(ModulePath(tessera::testing::StandinFolder(), "vuzudiv"));
  BindPreviewLibrary(module);
  ASSERT_TRUE(Preview().isBound());
  openSkin("[Personality]\r\nLeft=S\\left.tga\r\nRight=S\\left.tga\r\nTop=S\\left.tga\r\nBottom=S\\left.tga\r\n");
  Preview().LoadUISFile(mainFile());
  FakeEditor editor("Frame", "Frame");
  LeftBorderPage page(editor);
  SlotPreviewBox* box = page.slotPanel()->previewBox();
  box->resize(200, 120);
  const QImage drawn = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QColor pictureColour = ToQImage(*LoadImageFile(skinFile("left.tga"))).pixelColor(4, 2);
  int border = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) border += drawn.pixelColor(x, y).rgb() == pictureColour.rgb();
  // A sample window's borders, far more than the 8 x 4 picture would cover drawn as a file.
  EXPECT_GT(border, 200);
  // Inside the borders is the sample window's client area, not more of the picture.
  EXPECT_NE(drawn.pixelColor(drawn.width() / 2, drawn.height() * 3 / 4).rgb(), pictureColour.rgb());
  Preview().CloseSection();
}

TEST_F(BorderPagesTest, TheCatalogueFrameCountRemovesTheKey) {
  openSkin("[Personality]\r\nLeftFrame=5\r\nRightFrame=6\r\n");
  FakeEditor editor("Frame", "Frame");
  LeftBorderPage left(editor);
  left.frameCountBox()->setValue(4);
  EXPECT_EQ(skinValue("Personality", "LeftFrame"), "4");
  left.frameCountBox()->setValue(3);
  EXPECT_FALSE(skinValue("Personality", "LeftFrame"));

  RightBorderPage right(editor);
  QTest::mouseClick(right.defaultButton(), Qt::LeftButton);
  EXPECT_EQ(right.frameCountBox()->value(), 3);
  EXPECT_FALSE(skinValue("Personality", "RightFrame"));
}

TEST_F(BorderPagesTest, TopBorderWritesStretchMarginsAndImage) {
  openSkin("[Personality]\r\nTop=s\\top.bmp\r\nTopStretch=1\r\nBottom=s\\top.bmp\r\n");
  FakeEditor editor("Frame", "Frame");
  TopBorderPage page(editor);
  EXPECT_TRUE(page.exampleBox()->hasPicture());
  QTest::mouseClick(page.stretchBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Personality", "TopStretch"), "0");
  page.firstMarginBox()->setValue(11);
  page.secondMarginBox()->setValue(12);
  EXPECT_EQ(skinValue("Personality", "TopTopHeight"), "11");
  EXPECT_EQ(skinValue("Personality", "TopBotHeight"), "12");

  SlotFileList* list = page.slotPanel()->fileList();
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Home);
  EXPECT_FALSE(skinValue("Personality", "Top"));
  EXPECT_EQ(skinValue("Personality", "Bottom"), "s\\top.bmp");
  EXPECT_EQ(skinValue("Personality", "TopStretch"), "0");
}

TEST_F(BorderPagesTest, AnEditRefreshesThePreviewsOnce) {
  openSkin("[Personality]\r\n");
  FakeEditor editor("Frame", "Frame");
  BottomBorderPage page(editor);
  page.firstMarginBox()->setValue(1);
  page.firstMarginBox()->setValue(2);
  EXPECT_EQ(skinValue("Personality", "BottomTopHeight"), "2");
  auto* refresh = page.findChild<RefreshTimer*>();
  ASSERT_NE(refresh, nullptr);
  EXPECT_TRUE(refresh->isPending());
  refresh->flush();
  EXPECT_EQ(editor.repaints, 1);
  // The burst left nothing else to run.
  EXPECT_FALSE(refresh->isPending());
  refresh->flush();
  EXPECT_EQ(editor.repaints, 1);
}

TEST_F(BorderPagesTest, QuickImportFillsTheBorderKeyNotTheCurrentSection) {
  files::createFolders(temp.file("art"));
  writePicture(temp.file("art/Edge.png"));
  openSkin("[Frame]\r\n[Personality]\r\nRight=s\\left.tga\r\n");
  FakeEditor editor("Frame", "Frame");
  RightBorderPage page(editor);
  ScriptedFilePicker picker;
  picker.choose(temp.file("art/Edge.png"));
  page.slotPanel()->runCommand(SlotCommand::QuickImport);
  EXPECT_EQ(skinValue("Personality", "Right"), "S\\Edge.tga");
  EXPECT_FALSE(skinValue("Frame", "Right"));
  EXPECT_FALSE(skinValue("Frame", "Image"));
  EXPECT_EQ(page.slotPanel()->fileList()->currentIndex(),
            1 + FindSlotFile(page.slotPanel()->fileList()->values(), "s\\edge.tga"));
}

}  // namespace
}  // namespace tessera::ui
