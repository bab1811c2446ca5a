#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

#include "core/image/zor_file.h"
#include "core/image/zor_player.h"
#include "core/skin/skin_session.h"
#include "support/eventually.h"
#include "ui/pages/image_page.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/note_box.h"
#include "ui/pages/page_factory.h"
#include "ui/pages/slot_file_list.h"
#include "ui/pages/slot_preview_box.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_pages/pages_fixture.h"
#include "ui_sheet/fake_editor.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;

class ImagePageTest : public testing::PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    catalogue("subsections.ini", "[Button]\r\nImageCount=3\r\nImageNotes=Three states.\r\n");
    writePicture("button.tga");
    writePicture("back.bmp");
  }
};

TEST_F(ImagePageTest, LoadsTheSectionAndSelectsItsFile) {
  setExperienced(true);
  openSkin("[Button]\r\nImage=S\\Button.tga\r\nTrans=1\r\nFrameCount=5\r\n");
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  EXPECT_TRUE(page.isLoaded());
  EXPECT_EQ(page.slotPanel()->selectedValue(), "s\\button.tga");
  EXPECT_EQ(page.slotPanel()->fileList()->itemText(0), " No Image defined - section may be optional");
  SlotFileList* list = page.slotPanel()->fileList();
  EXPECT_EQ(list->count(), 3);
  // Every file is drawn with its thumbnail, in entries 25 pixels high.
  EXPECT_FALSE(list->itemIcon(2).isNull());
  EXPECT_EQ(list->itemData(1, Qt::SizeHintRole).toSize().height(), SlotFileList::kEntryHeight);
  EXPECT_TRUE(page.slotPanel()->previewBox()->hasPicture());
  EXPECT_TRUE(page.transparencyBox()->isChecked());
  EXPECT_TRUE(page.premultipliedBox()->isEnabled());
  EXPECT_EQ(page.frameCountBox()->value(), 5);
  EXPECT_EQ(page.defaultButton()->text(), "Default (3)");
  EXPECT_EQ(page.noteBox()->text(), "Three states.");
  EXPECT_FALSE(page.noteBox()->isHidden());
}

TEST_F(ImagePageTest, UnlistedValueSelectsTheEmptyEntryAndKeepsTheKey) {
  writePicture("photo.png");
  openSkin("[Button]\r\nImage=s\\photo.png\r\n[Title]\r\nImage=s\\gone.tga\r\n");
  for (const char* section : {"Button", "Title"}) {
    FakeEditor editor(section, section);
    ImagePage page(editor);
    // The page loads again once the sheet has settled; the outcome must hold after that too.
    ASSERT_EVENTUALLY(!page.reloadPending());
    EXPECT_EQ(page.slotPanel()->fileList()->currentIndex(), 0) << section;
    EXPECT_FALSE(page.slotPanel()->previewBox()->hasPicture());
  }
  EXPECT_EQ(skinValue("Button", "Image"), "s\\photo.png");
  EXPECT_EQ(skinValue("Title", "Image"), "s\\gone.tga");
}

TEST_F(ImagePageTest, ChoosingTheEmptyEntryClearsTheSection) {
  openSkin("[Button]\r\nImage=s\\button.tga\r\nTrans=1\r\nPerPixel=1\r\nLeftWidth=3\r\n");
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  SlotFileList* list = page.slotPanel()->fileList();
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Home);
  EXPECT_FALSE(skinValue("Button", "Image"));
  EXPECT_FALSE(skinValue("Button", "LeftWidth"));
  EXPECT_EQ(skinValue("Button", "Trans"), "1");
  EXPECT_EQ(skinValue("Button", "PerPixel"), "0");
  EXPECT_EQ(skinValue("Button", "PreMultipliedAlpha"), "0");
  EXPECT_FALSE(page.premultipliedBox()->isEnabled());

  // Choosing a file again brings PerPixel back with the transparency.
  QTest::keyClick(list, Qt::Key_End);
  EXPECT_EQ(skinValue("Button", "Image"), "s\\button.tga");
  EXPECT_EQ(skinValue("Button", "PerPixel"), "1");
  EXPECT_TRUE(page.premultipliedBox()->isEnabled());
}

TEST_F(ImagePageTest, PickingTheSelectedEntryAgainLeavesTheSectionAsItIs) {
  const std::string section = "[Button]\r\nImage=s\\button.tga\r\nTrans=1\r\nPerPixel=1\r\nLeftWidth=3\r\n";
  openSkin(section);
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  SlotFileList* list = page.slotPanel()->fileList();
  const int selected = list->currentIndex();
  ASSERT_GT(selected, 0);
  emit list->activated(selected);
  list->showPopup();  // the list is read again as it drops down
  list->hidePopup();
  emit list->activated(list->currentIndex());
  EXPECT_EQ(temp.read("skins/S/S.uis~"), section);
  EXPECT_FALSE(page.refreshTimer()->isPending());

  // An unlisted value shows as the empty entry; choosing that entry does clear it.
  openSkin("[Button]\r\nImage=s\\gone.tga\r\n");
  FakeEditor other("Button", "Button");
  ImagePage second(other);
  ASSERT_EQ(second.slotPanel()->fileList()->currentIndex(), 0);
  emit second.slotPanel()->fileList()->activated(0);
  EXPECT_FALSE(skinValue("Button", "Image"));
}

TEST_F(ImagePageTest, TransparencyOnABitmapKeepsPerPixelOff) {
  setExperienced(true);
  openSkin("[Button]\r\nImage=s\\back.bmp\r\nPreMultipliedAlpha=1\r\n");
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  QTest::mouseClick(page.transparencyBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Button", "Trans"), "1");
  EXPECT_EQ(skinValue("Button", "PerPixel"), "0");
  EXPECT_EQ(skinValue("Button", "PreMultipliedAlpha"), "0");
  EXPECT_FALSE(page.premultipliedBox()->isChecked());
  EXPECT_FALSE(page.premultipliedBox()->isEnabled());
}

TEST_F(ImagePageTest, FrameCountBackToTheDefaultRemovesTheKey) {
  setExperienced(true);
  openSkin("[Button]\r\nImage=s\\button.tga\r\n");
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  page.frameCountBox()->setValue(7);
  EXPECT_EQ(skinValue("Button", "FrameCount"), "7");
  QTest::mouseClick(page.defaultButton(), Qt::LeftButton);
  EXPECT_EQ(page.frameCountBox()->value(), 3);
  EXPECT_FALSE(skinValue("Button", "FrameCount"));
  page.frameCountBox()->setValue(4);
  page.frameCountBox()->setValue(3);
  EXPECT_FALSE(skinValue("Button", "FrameCount"));

  QTest::mouseClick(page.verticalBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Button", "Vert"), "1");
  EXPECT_EQ(skinValue("Button", "GlyphVert"), "1");
  QTest::mouseClick(page.premultipliedBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Button", "PreMultipliedAlpha"), "1");
}

TEST_F(ImagePageTest, NewUsersAndCatalogueFlagsHideControls) {
  openSkin("[Button]\r\nImage=s\\button.tga\r\n");
  {
    setExperienced(false);
    FakeEditor editor("Button", "Button");
    ImagePage page(editor);
    EXPECT_FALSE(page.transparencyBox()->isHidden());
    EXPECT_TRUE(page.frameCountBox()->isHidden());
    EXPECT_TRUE(page.defaultButton()->isHidden());
    EXPECT_TRUE(page.verticalBox()->isHidden());
    EXPECT_TRUE(page.premultipliedBox()->isHidden());
  }
  setExperienced(true);
  catalogue("subsections.ini", "[Button]\r\nHideTrans=1\r\n[Button:L]\r\nHideVert=1\r\n");
  {
    FakeEditor editor("Button", "Button");
    ImagePage page(editor);
    EXPECT_TRUE(page.transparencyBox()->isHidden());
    EXPECT_TRUE(page.frameCountBox()->isHidden());
    EXPECT_TRUE(page.noteBox()->isHidden());
  }
  catalogue("subsections.ini", "[Button:L]\r\nHideVert=1\r\n");
  FakeEditor editor("Button:L", "Button");
  ImagePage page(editor);
  EXPECT_TRUE(page.verticalBox()->isHidden());
  EXPECT_FALSE(page.frameCountBox()->isHidden());
}

TEST_F(ImagePageTest, AnEditRefreshesThePreviewsOnceAfterABurst) {
  openSkin("[Button]\r\nImage=s\\button.tga\r\n");
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  QTest::mouseClick(page.transparencyBox(), Qt::LeftButton);
  QTest::mouseClick(page.transparencyBox(), Qt::LeftButton);
  EXPECT_TRUE(page.refreshTimer()->isPending());
  EXPECT_EQ(editor.repaints, 0);
  page.refreshTimer()->flush();
  EXPECT_EQ(editor.repaints, 1);
  EXPECT_FALSE(page.refreshTimer()->isPending());
}

TEST_F(ImagePageTest, FactoryBuildsTheThreeSlotPages) {
  openSkin("[Button]\r\n");
  FakeEditor editor("Button", "Button");
  QWidget parent;
  for (const auto& [kind, caption] : {std::pair{PageKind::Image, "Image"}, std::pair{PageKind::Glyph, "Glyph"},
                                      std::pair{PageKind::Settings, "Settings"}}) {
    PropertyPage* page = CreateImageSlotPage(kind, editor, &parent);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->caption(), caption);
    EXPECT_EQ(page->parent(), &parent);
  }
  EXPECT_EQ(CreateImageSlotPage(PageKind::Help, editor, &parent), nullptr);
}

}  // namespace
}  // namespace tessera::ui

namespace tessera::ui {
namespace {

// The busy animation chosen as a ZOR file plays in the slot's preview, stepping on its timer.
TEST_F(ImagePageTest, AZorAnimationPlaysInThePreview) {
  ZorFile zor;
  zor.width = 4;
  zor.height = 2;
  for (std::uint32_t colour : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}) {
    zor.table.push_back(static_cast<std::uint32_t>(zor.stream.size()));
    zor.stream.push_back(zor::kColourRun | 8);
    zor.stream.push_back(colour);
  }
  temp.write("skins/S/copy.zor", EncodeZorFile(zor));
  openSkin("[Button]\r\nImage=S\\copy.zor\r\n");
  FakeEditor editor("Button", "Button");
  ImagePage page(editor);
  SlotPreviewBox* box = page.slotPanel()->previewBox();
  ASSERT_TRUE(box->hasPicture());
  ZorPlayer& animation = box->animation();
  ASSERT_EQ(animation.frameCount(), 3);
  EXPECT_TRUE(animation.playing());
  EXPECT_EQ(animation.image().pixel(1, 1), 0xFFFF0000u);
  box->resize(120, 60);
  EXPECT_EQ(box->grab().toImage().pixel(box->rect().center()), 0xFFFF0000u);
  animation.step();
  animation.step();
  EXPECT_EQ(animation.frame(), 2);
  EXPECT_EQ(box->grab().toImage().pixel(box->rect().center()), 0xFF0000FFu);
  animation.step();  // round to the first frame
  EXPECT_EQ(animation.image().pixel(1, 1), 0xFFFF0000u);

  // A damaged animation shows nothing and plays nothing.
  temp.write("skins/S/copy.zor", "ZOR1 broken");
  box->showSlotFile("S\\copy.zor");
  EXPECT_FALSE(box->hasPicture());
  EXPECT_FALSE(animation.playing());
}

}  // namespace
}  // namespace tessera::ui
