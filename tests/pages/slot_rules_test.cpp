#include <gtest/gtest.h>

#include "core/pages/image_page_values.h"
#include "core/pages/image_slot.h"
#include "core/pages/slot_writes.h"
#include "core/platform/profile.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

class SlotRulesTest : public testing::SheetEnvironmentTest {
 protected:
  std::vector<std::string> sectionLines(std::string_view section) {
    std::vector<std::string> lines;
    char buffer[4096];
    const std::size_t size = profile::GetSection(section, buffer, sizeof buffer, mainFile());
    for (std::size_t start = 0; start < size && buffer[start] != '\0';) {
      lines.emplace_back(buffer + start);
      start += lines.back().size() + 1;
    }
    return lines;
  }
};

TEST_F(SlotRulesTest, SlotReadsTheLegacyKeyOnlyWhenTheSlotKeyIsEmpty) {
  openSkin("[A]\r\nImage=\r\nBitmap=s\\old.bmp\r\n[B]\r\nImage=s\\new.tga\r\nBitmap=s\\old.bmp\r\n"
           "[C]\r\nGlyphBitmap=s\\g.bmp\r\n");
  EXPECT_EQ(ReadSlotValue("A", kImageSlot), "s\\old.bmp");
  EXPECT_EQ(ReadSlotValue("B", kImageSlot), "s\\new.tga");
  EXPECT_EQ(ReadSlotValue("C", kGlyphSlot), "s\\g.bmp");
  EXPECT_EQ(ReadSlotValue("Missing", kImageSlot), "");
}

TEST_F(SlotRulesTest, EmptyImageEntryLeavesOnlyTheTransparencyKeys) {
  openSkin("[Button]\r\nImage=s\\b.tga\r\nTrans=1\r\nPerPixel=1\r\nTopHeight=4\r\nPreMultipliedAlpha=1\r\n");
  WriteImageSlot("Button", "");
  EXPECT_FALSE(WriteTransparency("Button", true));
  EXPECT_EQ(sectionLines("Button"), (std::vector<std::string>{"Trans=1", "PerPixel=0", "PreMultipliedAlpha=0"}));
}

TEST_F(SlotRulesTest, ButtonsKeepsBothKeysAndOtherSectionsOnlyTheSlotKey) {
  openSkin("[Buttons]\r\nBitmap=s\\old.bmp\r\n[Title]\r\nBitmap=s\\old.bmp\r\n");
  WriteImageSlot("Buttons", "s\\b.tga");
  EXPECT_EQ(skinValue("Buttons", "Image"), "s\\b.tga");
  EXPECT_EQ(skinValue("Buttons", "Bitmap"), "s\\b.tga");
  WriteImageSlot("Title", "s\\t.tga");
  EXPECT_EQ(skinValue("Title", "Image"), "s\\t.tga");
  EXPECT_EQ(skinValue("Title", "Bitmap"), "s\\old.bmp");
  // A file a command brought in replaces the legacy key, except where both are read.
  WriteSlotFromCommand(SlotPage::Image, "Title", "s\\u.tga");
  EXPECT_FALSE(skinValue("Title", "Bitmap"));
  WriteSlotFromCommand(SlotPage::Image, "Buttons", "s\\c.tga");
  EXPECT_EQ(skinValue("Buttons", "Bitmap"), "s\\c.tga");
}

TEST_F(SlotRulesTest, GlyphAndSettingsSlotsDropTheLegacyKey) {
  openSkin("[Button]\r\nGlyphImage=s\\g.tga\r\nGlyphBitmap=s\\g.bmp\r\n[Shell]\r\nImage=s\\i.tga\r\nBitmap=s\\i.bmp\r\n");
  WriteGlyphSlot("Button", "");
  EXPECT_FALSE(skinValue("Button", "GlyphImage"));
  EXPECT_FALSE(skinValue("Button", "GlyphBitmap"));
  WriteGlyphSlot("Button", "s\\h.tga");
  EXPECT_EQ(skinValue("Button", "GlyphImage"), "s\\h.tga");

  WriteSettingsSlot("Shell", "s\\j.tga");
  EXPECT_EQ(skinValue("Shell", "Image"), "s\\j.tga");
  EXPECT_FALSE(skinValue("Shell", "Bitmap"));
  WriteSettingsSlot("Shell", "");
  EXPECT_FALSE(skinValue("Shell", "Image"));
}

TEST_F(SlotRulesTest, TransparencyFollowsWhetherTheFileCanCarryAlpha) {
  openSkin("[Bmp]\r\nImage=s\\b.bmp\r\nPreMultipliedAlpha=1\r\n[Tga]\r\nImage=s\\t.TGA\r\n[Zor]\r\nImage=s\\a.zor\r\n");
  EXPECT_FALSE(WriteTransparency("Bmp", true));
  EXPECT_EQ(skinValue("Bmp", "Trans"), "1");
  EXPECT_EQ(skinValue("Bmp", "PerPixel"), "0");
  EXPECT_EQ(skinValue("Bmp", "PreMultipliedAlpha"), "0");

  EXPECT_TRUE(WriteTransparency("Tga", true));
  EXPECT_EQ(skinValue("Tga", "PerPixel"), "1");
  EXPECT_TRUE(WriteTransparency("Tga", false));
  EXPECT_EQ(skinValue("Tga", "Trans"), "0");
  EXPECT_EQ(skinValue("Tga", "PerPixel"), "0");
  EXPECT_TRUE(WriteTransparency("Zor", true));
  EXPECT_EQ(skinValue("Zor", "PerPixel"), "1");
}

TEST_F(SlotRulesTest, MdiControlsKeepTheirTransparencyInPersonality) {
  openSkin("[MDIControls]\r\nImage=s\\m.tga\r\nPerPixel=0\r\n[Personality]\r\nName=x\r\n");
  WriteTransparency("MDIControls", true);
  EXPECT_EQ(skinValue("Personality", "MDITransparent"), "1");
  EXPECT_FALSE(skinValue("MDIControls", "Trans"));
  EXPECT_EQ(skinValue("MDIControls", "PerPixel"), "0");
  EXPECT_TRUE(ReadImagePageValues("MDIControls", 1).transparent);
  // The empty entry removes the section; its transparency stays in Personality.
  WriteImageSlot("MDIControls", "");
  WriteTransparency("MDIControls", false);
  EXPECT_TRUE(sectionLines("MDIControls").empty());
  EXPECT_EQ(skinValue("Personality", "MDITransparent"), "0");
}

TEST_F(SlotRulesTest, PageValuesAndFrameCount) {
  openSkin("[Button]\r\nImage=s\\b.bmp\r\nPerPixel=1\r\nVert=1\r\n[Title]\r\nImage=s\\t.png\r\nFrameCount=4\r\n");
  const ImagePageValues button = ReadImagePageValues("Button", 3);
  EXPECT_TRUE(button.transparent);  // PerPixel alone counts as transparent
  EXPECT_TRUE(button.vertical);
  EXPECT_FALSE(button.premultipliedEnabled);
  EXPECT_EQ(button.frameCount, 3);
  const ImagePageValues title = ReadImagePageValues("Title", 3);
  EXPECT_TRUE(title.premultipliedEnabled);
  EXPECT_EQ(title.frameCount, 4);

  WriteFrameCount("Title", 5, 3);
  EXPECT_EQ(skinValue("Title", "FrameCount"), "5");
  WriteFrameCount("Title", 3, 3);
  EXPECT_FALSE(skinValue("Title", "FrameCount"));

  WriteVerticalFrames("Title", true);
  EXPECT_EQ(skinValue("Title", "Vert"), "1");
  EXPECT_EQ(skinValue("Title", "GlyphVert"), "1");
}

TEST_F(SlotRulesTest, LayoutComesFromTheCatalogue) {
  catalogue("subsections.ini",
            "[Button]\r\nHideTrans=1\r\nImageCount=6\r\nImageNotes=Six states.\r\nPreview=b.png\r\n"
            "[Button:L]\r\nHidePerPixel=1\r\nHideVert=1\r\n");
  openSkin("");
  const ImagePageLayout layer = ReadImagePageLayout("Button:L", "Button");
  EXPECT_TRUE(layer.hideTransparency);
  EXPECT_TRUE(layer.hidePerPixel);
  EXPECT_TRUE(layer.hideVertical);
  EXPECT_EQ(layer.imageCount, 6);
  EXPECT_EQ(layer.notes, "Six states.");
  EXPECT_EQ(layer.examplePicture, dataFolder() + "/previews/b.png");
  EXPECT_EQ(ReadImagePageLayout("Other", "Other").imageCount, 1);
}

}  // namespace
}  // namespace tessera
