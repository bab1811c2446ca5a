#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

#include "ui/pages/frame_images_page.h"
#include "ui/pages/frame_indexes_page.h"
#include "ui/pages/frame_margins_page.h"
#include "ui/pages/frame_page_factory.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/note_box.h"
#include "ui/pages/slot_file_list.h"
#include "ui_pages/pages_fixture.h"
#include "ui_sheet/fake_editor.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;

// Chooses an entry the way the user does: with the keyboard on the focused list.
void chooseEntry(SlotFileList* list, int index) {
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
}

QStringList entries(QComboBox* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
  return texts;
}

class FramePagesTest : public testing::PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    writePicture("horz.tga");
    writePicture("left.bmp");
    writePicture("right.tga");
    catalogue("subsections.ini",
              "[Borders]\r\nFrameMode=1\r\nImageNotes=Frame image notes\r\nImageNotes2=Shape image notes\r\n");
  }
};

TEST_F(FramePagesTest, ShapeImagesRightListWritesAndItsEmptyEntryDeletes) {
  openSkin("[Borders]\r\nShapeLeftImage=s\\left.bmp\r\nShapeFrameCount=3\r\n");
  FakeEditor editor("Borders", "Borders");
  ShapeImagesPage page(editor);
  EXPECT_EQ(page.caption(), "Shape images");
  EXPECT_EQ(page.slotPanel(0)->selectedValue(), "s\\left.bmp");
  EXPECT_EQ(page.frameCountBox()->value(), 3);
  EXPECT_EQ(page.noteBox()->text(), "Shape image notes");
  // Shape images are brought in by a button of their own, not the command menu.
  ASSERT_NE(page.importButton(1), nullptr);
  EXPECT_EQ(page.importButton(1)->text(), "Import file...");
  EXPECT_TRUE(page.slotPanel(1)->menuButton()->isHidden());

  SlotFileList* right = page.slotPanel(1)->fileList();
  EXPECT_EQ(right->itemText(0), " No Image defined - section may be optional");
  const int rightEntry = 1 + FindSlotFile(right->values(), "s\\right.tga");
  chooseEntry(right, rightEntry);
  EXPECT_EQ(skinValue("Borders", "ShapeRightImage"), "s\\right.tga");
  chooseEntry(right, 0);
  EXPECT_FALSE(skinValue("Borders", "ShapeRightImage"));
  EXPECT_EQ(skinValue("Borders", "ShapeLeftImage"), "s\\left.bmp");
}

TEST_F(FramePagesTest, FrameImagesReadBothListsAndTheDefaultCountIsWritten) {
  openSkin("[Borders]\r\nHorzFrame=s\\horz.tga\r\nVertFrame=s\\gone.tga\r\nFrameCount=5\r\n");
  FakeEditor editor("Borders", "Borders");
  FrameImagesPage page(editor);
  EXPECT_EQ(page.slotPanel(0)->selectedValue(), "s\\horz.tga");
  // A file that is not in the skin folder selects the empty entry and leaves the key alone.
  EXPECT_EQ(page.slotPanel(1)->fileList()->currentIndex(), 0);
  EXPECT_EQ(skinValue("Borders", "VertFrame"), "s\\gone.tga");
  EXPECT_EQ(page.importButton(0), nullptr);
  EXPECT_EQ(page.noteBox()->text(), "Frame image notes");

  QTest::mouseClick(page.defaultButton(), Qt::LeftButton);
  EXPECT_EQ(page.frameCountBox()->value(), 2);
  EXPECT_EQ(skinValue("Borders", "FrameCount"), "2");
  page.frameCountBox()->setValue(4);
  EXPECT_EQ(skinValue("Borders", "FrameCount"), "4");
}

TEST_F(FramePagesTest, FrameIndexListsFollowTheFrameCounts) {
  openSkin("[Borders]\r\nFrameCount=3\r\nNormalInactiveFrame=2\r\n");
  FakeEditor editor("Borders", "Borders");
  FrameIndexesPage page(editor);
  EXPECT_EQ(entries(page.frameList(0, 0)), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(entries(page.shapeList(0, 0)), (QStringList{"1", "2"}));

  page.frameList(1, 0)->setCurrentIndex(2);
  EXPECT_EQ(skinValue("Borders", "NonSizableActiveFrame"), "2");
  page.shapeList(2, 2)->setCurrentIndex(1);
  EXPECT_EQ(skinValue("Borders", "ShapeMDIDisabledFrame"), "1");
}

TEST_F(FramePagesTest, DisabledListsShowTheInactiveFrameWhenTheSkinHasNone) {
  openSkin("[Borders]\r\nFrameCount=4\r\nShapeFrameCount=3\r\nNormalInactiveFrame=3\r\n"
           "ShapeNonSizableInactiveFrame=2\r\nMDIDisabledFrame=0\r\n");
  FakeEditor editor("Borders", "Borders");
  FrameIndexesPage page(editor);
  EXPECT_EQ(page.frameList(0, 0)->currentIndex(), 0);
  EXPECT_EQ(page.frameList(0, 2)->currentIndex(), 3);
  EXPECT_EQ(page.frameList(1, 1)->currentIndex(), 1);  // frame inactive lists default to frame 2
  EXPECT_EQ(page.frameList(1, 2)->currentIndex(), 1);
  EXPECT_EQ(page.frameList(2, 2)->currentIndex(), 0);  // a disabled frame of its own wins
  EXPECT_EQ(page.shapeList(0, 1)->currentIndex(), 0);  // shape inactive lists default to frame 1
  EXPECT_EQ(page.shapeList(1, 2)->currentIndex(), 2);
  // Reading writes nothing.
  EXPECT_FALSE(skinValue("Borders", "NormalDisabledFrame"));
}

TEST_F(FramePagesTest, FrameIndexesReadAgainWhenShown) {
  openSkin("[Borders]\r\n");
  FakeEditor editor("Borders", "Borders");
  FrameIndexesPage page(editor);
  EXPECT_EQ(page.frameList(0, 0)->count(), 2);
  // The "Frame images" page of the same sheet raises the count while this page is hidden.
  {
    FrameImagesPage images(editor);
    images.frameCountBox()->setValue(6);
  }
  page.show();
  EXPECT_EQ(page.frameList(0, 0)->count(), 6);
  EXPECT_EQ(page.shapeList(0, 0)->count(), 2);
}

TEST_F(FramePagesTest, SizingMarginsWriteIntoBorders) {
  openSkin("[Borders]\r\nTopMiddleStretch=1\r\nLeftMiddleStretch=2\r\nBottomBotHeight=14\r\n");
  FakeEditor editor("Borders", "Borders");
  SizingMarginsPage page(editor);
  EXPECT_EQ(page.stretchBox(2)->text(), "Stretch top border middle area");
  EXPECT_TRUE(page.stretchBox(2)->isChecked());
  EXPECT_FALSE(page.stretchBox(0)->isChecked());
  EXPECT_EQ(page.secondMarginBox(3)->value(), 14);

  QTest::mouseClick(page.stretchBox(2), Qt::LeftButton);
  EXPECT_FALSE(skinValue("Borders", "TopMiddleStretch"));
  QTest::mouseClick(page.stretchBox(1), Qt::LeftButton);
  EXPECT_EQ(skinValue("Borders", "RightMiddleStretch"), "1");
  page.firstMarginBox(0)->setValue(6);
  EXPECT_EQ(skinValue("Borders", "LeftTopHeight"), "6");
  page.secondMarginBox(2)->setValue(8);
  EXPECT_EQ(skinValue("Borders", "TopBotHeight"), "8");
}

TEST_F(FramePagesTest, FactoryBuildsTheEightPagesOnly) {
  openSkin("[Borders]\r\n[Personality]\r\n");
  FakeEditor editor("Borders", "Borders");
  QWidget parent;
  const std::pair<PageKind, const char*> kinds[] = {
      {PageKind::FrameImages, "Frame images"},   {PageKind::ShapeImages, "Shape images"},
      {PageKind::FrameIndexes, "Frame indexes"}, {PageKind::SizingMargins, "Sizing margins"},
      {PageKind::LeftBorder, "Left border"},     {PageKind::RightBorder, "Right border"},
      {PageKind::BottomBorder, "Bottom border"}, {PageKind::TopBorder, "Top border"},
  };
  for (const auto& [kind, caption] : kinds) {
    PropertyPage* page = CreateFramePage(kind, editor, &parent);
    ASSERT_NE(page, nullptr) << caption;
    EXPECT_EQ(page->caption(), caption);
  }
  EXPECT_EQ(CreateFramePage(PageKind::Image, editor, &parent), nullptr);
  EXPECT_EQ(CreateFramePage(PageKind::Help, editor, &parent), nullptr);
}

}  // namespace
}  // namespace tessera::ui
