#include <gtest/gtest.h>

#include "core/image/image_file.h"
#include "core/image/image_import.h"
#include "core/pages/image_slot.h"
#include "core/pages/slot_file_commands.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "sheet/sheet_fixture.h"

namespace tessera {
namespace {

// A picture with an alpha channel (two half-transparent columns), so imports keep it as TGA.
ImageBuffer translucentPicture(int width, int height) {
  auto image = CreateImage(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image->setPixelAt(x, y, MakePixel(x * 5, 90, 30, x < 2 ? 128 : 255));
  return std::move(*image);
}

class SlotFilesTest : public testing::SheetEnvironmentTest {
 protected:
  void SetUp() override {
    SheetEnvironmentTest::SetUp();
    openSkin("[Button]\r\nImage=s\\button.tga\r\n");
  }
  std::string skinFile(std::string_view name) { return temp.file("skins/S/" + std::string(name)); }
  void writePicture(std::string_view name, int width = 8, int height = 4) {
    ASSERT_TRUE(SaveImageFile(skinFile(name), translucentPicture(width, height), false));
  }
};

TEST_F(SlotFilesTest, ListHoldsSkinPicturesAsLowerCaseValuesOnce) {
  for (const char* name : {"Title.TGA", "title.tga", "Back.bmp", "Anim.Zor", "Photo.png", "Photo.jpg", "Notes.txt"})
    temp.write("skins/S/" + std::string(name), "x");
  files::createFolder(skinFile("Sub.tga"));
  EXPECT_EQ(ListSlotFiles(false), (std::vector<std::string>{"s\\anim.zor", "s\\back.bmp", "s\\title.tga"}));
  EXPECT_EQ(ListSlotFiles(true), (std::vector<std::string>{"s\\anim.zor"}));

  const auto listed = ListSlotFiles(false);
  EXPECT_EQ(FindSlotFile(listed, "S\\Title.TGA"), 2);
  // A missing file or a PNG selects the empty entry.
  EXPECT_EQ(FindSlotFile(listed, "s\\photo.png"), -1);
  EXPECT_EQ(FindSlotFile(listed, "s\\gone.tga"), -1);
  EXPECT_EQ(FindSlotFile(listed, ""), -1);
}

TEST_F(SlotFilesTest, CommandsStartAtTheTrackedSourceTheFileOrTheSkinFolder) {
  writePicture("button.tga");
  EXPECT_EQ(CommandSourcePath(""), skinsFolder() + "/S");
  EXPECT_EQ(CommandSourcePath("s\\button.tga"), skinsFolder() + "/s/button.tga");
  const std::string list = skinFile("reimport.lst");
  profile::WriteString("s\\button.tga", "ReimportWhenNeeded", "1", list);
  profile::WriteString("s\\button.tga", "SourceFile", "/art/button.png", list);
  EXPECT_EQ(CommandSourcePath("s\\button.tga"), "/art/button.png");
  profile::WriteString("s\\button.tga", "ReimportWhenNeeded", "0", list);
  EXPECT_EQ(CommandSourcePath("s\\button.tga"), skinsFolder() + "/s/button.tga");
  // A value that leads out of the skins folder is never used as a path.
  EXPECT_EQ(SlotFilePath("..\\..\\etc\\passwd"), "");
}

TEST_F(SlotFilesTest, CopyAndRenameNameTheNewFile) {
  writePicture("button.tga");
  EXPECT_EQ(CopySlotFile("s\\button.tga", skinFile("Button Copy.TGA")), "s\\button copy.tga");
  EXPECT_TRUE(files::isFile(skinFile("Button Copy.TGA")));
  EXPECT_TRUE(files::isFile(skinFile("button.tga")));

  EXPECT_EQ(RenameSlotFile("s\\button copy.tga", skinFile("pressed.tga")), "s\\pressed.tga");
  EXPECT_TRUE(files::isFile(skinFile("pressed.tga")));
  EXPECT_FALSE(files::isFile(skinFile("Button Copy.TGA")));
}

TEST_F(SlotFilesTest, RenameNeverLosesTheOnlyCopy) {
  writePicture("button.tga");
  // Onto itself: nothing to do, the file stays.
  EXPECT_EQ(RenameSlotFile("s\\button.tga", skinFile("button.tga")), "");
  EXPECT_TRUE(files::isFile(skinFile("button.tga")));
  // Outside the skin folder no slot can name the copy, so the original stays and so does the slot.
  EXPECT_EQ(RenameSlotFile("s\\button.tga", temp.file("elsewhere.tga")), "");
  EXPECT_TRUE(files::isFile(skinFile("button.tga")));
  // Into a folder that does not exist the copy fails and the original stays.
  EXPECT_EQ(RenameSlotFile("s\\button.tga", skinFile("missing/b.tga")), "");
  EXPECT_TRUE(files::isFile(skinFile("button.tga")));
  // A slot without a file has nothing to copy.
  EXPECT_EQ(CopySlotFile("", skinFile("x.tga")), "");
  EXPECT_FALSE(files::isFile(skinFile("x.tga")));
}

TEST_F(SlotFilesTest, FlipsRewriteTheSlotFileInPlace) {
  writePicture("strip.tga", 96, 24);
  ASSERT_TRUE(FlipSlotFileToVertical("s\\strip.tga", 4));
  auto vertical = LoadImageFile(skinFile("strip.tga"));
  ASSERT_TRUE(vertical);
  EXPECT_EQ(vertical->width(), 24);
  EXPECT_EQ(vertical->height(), 96);
  ASSERT_TRUE(FlipSlotFileToHorizontal("s\\strip.tga", 4));
  auto horizontal = LoadImageFile(skinFile("strip.tga"));
  ASSERT_TRUE(horizontal);
  EXPECT_EQ(horizontal->width(), 96);
  EXPECT_FALSE(FlipSlotFileToVertical("", 4));
}

TEST_F(SlotFilesTest, QuickImportConvertsIntoTheSkinAndTracksTheSource) {
  const std::string source = temp.file("art/Title.png");
  files::createFolders(temp.file("art"));
  ASSERT_EQ(SaveImagePng(translucentPicture(6, 3), source), 0);

  const ImportResult result = QuickImport(source, "s\\old.tga");
  EXPECT_EQ(result.outcome, ImportOutcome::Imported);
  EXPECT_EQ(result.slotValue, "S\\Title.tga");
  EXPECT_TRUE(files::isFile(skinFile("Title.TGA")));
  const std::string list = skinFile("reimport.lst");
  EXPECT_EQ(profile::FindValue("S\\Title.tga", "SourceFile", list), source);
  EXPECT_EQ(profile::FindValue("S\\Title.tga", "ext", list), "PNG");
  EXPECT_TRUE(profile::FindValue("S\\Title.tga", "LastEdit2", list));

  // The slot's own choice not to follow its source is kept.
  profile::WriteString("s\\plain.tga", "ReimportWhenNeeded", "0", list);
  const std::string plain = temp.file("art/Plain.png");
  ASSERT_EQ(SaveImagePng(translucentPicture(6, 3), plain), 0);
  EXPECT_EQ(QuickImport(plain, "s\\plain.tga").slotValue, "S\\Plain.tga");
  EXPECT_FALSE(profile::FindValue("S\\Plain.tga", "SourceFile", list));

  temp.write("art/broken.png", "not a picture");
  EXPECT_EQ(QuickImport(temp.file("art/broken.png"), "").outcome, ImportOutcome::LoadFailed);
}

}  // namespace
}  // namespace tessera
