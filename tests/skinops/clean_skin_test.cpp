#include "core/skin/clean_skin.h"

#include <gtest/gtest.h>

#include "core/platform/files.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

class CleanSkinTest : public testing::EnvironmentTest {
 protected:
  void pictures(std::initializer_list<const char*> names) {
    for (const char* name : names) temp.write("skins/Tidy/" + std::string(name), "picture");
  }
};

TEST_F(CleanSkinTest, OnlyTopLevelTgaAndBmpFilesAreCandidates) {
  writeSkin("Tidy", "");
  pictures({"a.tga", "B.BMP", "c.png", "d.zor", "e.jpg", "sub/f.tga"});
  EXPECT_EQ(ListCleanCandidates(skinsFolder(), "Tidy"), (std::vector<std::string>{"tidy\\a.tga", "tidy\\b.bmp"}));
  EXPECT_EQ(FindUnreferencedImages(skinsFolder(), "Tidy"), (std::vector<std::string>{"tidy\\a.tga", "tidy\\b.bmp"}));
}

TEST_F(CleanSkinTest, KeysOfMainFileCompanionsAndSubStylesStrike) {
  writeSkin("Tidy",
            "[Button]\r\nImage=TIDY\\Main.tga\r\nPicture=tidy\\notakey.tga\r\n[Frame]\r\nTop=tidy/slash.tga\r\n"
            "Left=tidy\\sub\\deep.tga\r\n[XPTaskbar]\r\nFile=Tidy\\Tidy.xp\r\n[Animations]\r\nFile=Tidy\\anim.ini\r\n");
  temp.write("skins/Tidy/Tidy.xp", "[Taskbar]\r\nBitmap=tidy\\bar.bmp\r\n");
  temp.write("skins/Tidy/anim.ini", "[Anim]\r\nImageMask=tidy\\mask.tga\r\n");
  temp.write("skins/Tidy/Tidy.SSD",
             "[SkinStyles]\r\nNumber=2\r\n[SkinStyle0]\r\nSkin=Tidy.uis\r\n[SkinStyle1]\r\nSkin=Blue.sss\r\n");
  temp.write("skins/Tidy/Blue.sss", "[Button]\r\nBorderMask=tidy\\blue.tga\r\n[XPShell]\r\nFile=Tidy\\Blue.xps\r\n");
  temp.write("skins/Tidy/Blue.xps", "[Pane]\r\nWallpaper=tidy\\wall.bmp\r\n");
  // The working copy of a skin open for editing counts: its unsaved pictures are in use.
  temp.write("skins/Tidy/Tidy.uis~", "[Button]\r\nImage=tidy\\unsaved.tga\r\n");
  pictures({"main.tga", "notakey.tga", "slash.tga", "deep.tga", "bar.bmp", "mask.tga", "blue.tga", "wall.bmp",
            "unsaved.tga", "sub/deep.tga"});
  EXPECT_EQ(FindUnreferencedImages(skinsFolder(), "Tidy"),
            (std::vector<std::string>{"tidy\\deep.tga", "tidy\\notakey.tga"}));
}

TEST_F(CleanSkinTest, NumberZeroChecksOnlyTheMainFileAndCompanions) {
  writeSkin("Tidy", "[Button]\r\nImage=tidy\\a.tga\r\n");
  temp.write("skins/Tidy/Tidy.SSD", "[SkinStyles]\r\nNumber=0\r\n[SkinStyle0]\r\nSkin=Other.sss\r\n");
  temp.write("skins/Tidy/Other.sss", "[Button]\r\nImage=tidy\\b.tga\r\n");
  pictures({"a.tga", "b.tga"});
  EXPECT_EQ(FindUnreferencedImages(skinsFolder(), "Tidy"), (std::vector<std::string>{"tidy\\b.tga"}));
}

TEST_F(CleanSkinTest, MovingKeepsEverythingAndSkipsWhatIsNotInTheSkinFolder) {
  writeSkin("Tidy", "");
  pictures({"a.tga", "b.bmp"});
  temp.write("skins/Tidy/backup/b.bmp", "older backup");
  temp.write("skins/Other/x.tga", "other skin");
  const auto moved = MoveImagesToBackup(skinsFolder(), "Tidy",
                                        {"tidy\\a.tga", "tidy\\b.bmp", "other\\x.tga", "tidy\\..\\Other\\x.tga"});
  EXPECT_EQ(moved, (std::vector<std::string>{"tidy\\a.tga"}));
  EXPECT_EQ(temp.read("skins/Tidy/backup/a.tga"), "picture");
  EXPECT_FALSE(files::exists(temp.file("skins/Tidy/a.tga")));
  EXPECT_EQ(temp.read("skins/Tidy/b.bmp"), "picture") << "a file already in the backup is not replaced";
  EXPECT_EQ(temp.read("skins/Tidy/backup/b.bmp"), "older backup");
  EXPECT_EQ(temp.read("skins/Other/x.tga"), "other skin");
  EXPECT_TRUE(FindUnreferencedImages(skinsFolder(), "Tidy") == std::vector<std::string>{"tidy\\b.bmp"});
}

}  // namespace
}  // namespace tessera
