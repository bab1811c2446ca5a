#include "core/skin/skin_copy.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "core/engine/engine_libraries.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/skin/new_skin.h"
#include "core/skin/skin_list.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

class SkinCopyTest : public testing::EnvironmentTest {
 protected:
  std::string read(std::string_view relative, std::string_view section, std::string_view key) const {
    return profile::ReadString(section, key, "<none>", temp.file(relative), 1000);
  }
  // Skin Src with pictures of every byte value and a taskbar companion.
  void writeSourceSkin() {
    writeSkin("Src", "[TitlebarSkin]\r\nSkinName=Src\r\n[Button]\r\nImage=Src\\pic0.tga\r\n"
                     "[XPTaskbar]\r\nFile=Src\\Src.xp\r\n");
    temp.write("skins/Src/Src.xp", "[Taskbar]\r\nImage=Src\\pic1.tga\r\n");
    for (int i = 0; i < 4; ++i) temp.write("skins/Src/pic" + std::to_string(i) + ".tga", picture(i));
  }
  static std::string picture(int seed) {
    std::string bytes(8192, '\0');
    for (std::size_t b = 0; b < bytes.size(); ++b) bytes[b] = static_cast<char>((b * 7 + seed) % 256);
    return bytes;
  }
  // Template TemplateUIS2 with a taskbar and an animations companion, two sub-styles besides the
  // main file, a working copy and a cached rendering.
  void writeTemplate(int subStyleNumber = 3) {
    const std::string t = "skins/Tessera7/TesseraTemplates/TemplateUIS2/";
    temp.write(t + "TemplateUIS2.uis",
               "[TitlebarSkin]\r\nSkinName=Template\r\nActiveTitle=TEMPLATEUIS2\\title.tga\r\n"
               "[Button]\r\nImage=templateuis2\\button.tga\r\n"
               "[XPTaskbar]\r\nFile=TemplateUIS2\\TemplateUIS2.xp\r\n"
               "[Animations]\r\nFile=TemplateUIS2\\anim.ini\r\n");
    temp.write(t + "TemplateUIS2.xp", "[Taskbar]\r\nImage=TemplateUIS2\\bar.tga\r\n");
    temp.write(t + "anim.ini", "[Animations.Info]\r\nSkinName=Template\r\n[Open]\r\nImage=TemplateUIS2\\open.zor\r\n");
    temp.write(t + "TemplateUIS2.SSD",
               "[SkinStyles]\r\nNumber=" + std::to_string(subStyleNumber) +
                   "\r\n[SkinStyle0]\r\nName=Main\r\nSkin=TemplateUIS2.uis\r\n"
                   "[SkinStyle1]\r\nName=Dark\r\nSkin=Dark.sss\r\n[SkinStyle2]\r\nName=Light\r\nSkin=Light.sss\r\n");
    temp.write(t + "Dark.sss", "[TitlebarSkin]\r\nSkinName=Template\r\n[Button]\r\nImage=TemplateUIS2\\dark.tga\r\n");
    temp.write(t + "Light.sss", "[Button]\r\nImage=TemplateUIS2\\light.tga\r\n");
    temp.write(t + "button.tga", "tga");
    temp.write(t + "TemplateUIS2.uis~", "working copy");
    temp.write(t + "TemplateUIS2.PREVIEW7", "cached");
    temp.write(t + "sub/inner.tga", "not copied");
  }
};

TEST_F(SkinCopyTest, ReferencesAreRenamedOnlyInTheFirstFolder) {
  const std::string longTail(400, 'x');
  const std::string file = temp.write(
      "skins/New/New.uis",
      "[A]\r\nImage=old\\a.tga\r\nImageMask=OLD\\sub\\b.tga\r\nBitmap=Other\\Old\\c.tga\r\nGlyphImage=plain.tga\r\n"
      "Wallpaper=\\Old\\d.tga\r\nPicture=Old\\e.tga\r\nFont3=Old\\font.ttf\r\nTop=Oldest\\f.tga\r\n"
      "[B]\r\nBorder=Old\\" + longTail + "\r\nCommand=Old/script.js\r\n");
  RenameSkinReferences(file, "Old", "New");
  EXPECT_EQ(profile::ReadString("A", "Image", "", file), "New\\a.tga");
  EXPECT_EQ(profile::ReadString("A", "ImageMask", "", file), "New\\sub\\b.tga");
  EXPECT_EQ(profile::ReadString("A", "Bitmap", "", file), "Other\\Old\\c.tga");
  EXPECT_EQ(profile::ReadString("A", "GlyphImage", "", file), "plain.tga");
  EXPECT_EQ(profile::ReadString("A", "Wallpaper", "", file), "\\Old\\d.tga");
  EXPECT_EQ(profile::ReadString("A", "Picture", "", file), "Old\\e.tga") << "not a path key";
  EXPECT_EQ(profile::ReadString("A", "Font3", "", file), "New\\font.ttf");
  EXPECT_EQ(profile::ReadString("A", "Top", "", file), "Oldest\\f.tga");
  EXPECT_EQ(profile::ReadString("B", "Border", "", file, 1000), "New\\" + longTail) << "long values are kept whole";
  EXPECT_EQ(profile::ReadString("B", "Command", "", file), "New/script.js");
  EXPECT_EQ(SkinPathKeys().size(), 66u);
}

TEST_F(SkinCopyTest, NewSkinFromTemplate) {
  writeTemplate();
  const NewSkinResult r = CreateNewSkin(skinsFolder(), "Neon", SkinType::Advanced, false, nullptr);
  ASSERT_TRUE(r.created()) << r.message;
  EXPECT_EQ(r.name, "Neon");
  EXPECT_EQ(read("skins/Neon/Neon.uis", "TitlebarSkin", "SkinName"), "Neon");
  EXPECT_EQ(read("skins/Neon/Neon.uis", "TitlebarSkin", "ActiveTitle"), "Neon\\title.tga");
  EXPECT_EQ(read("skins/Neon/Neon.uis", "Button", "Image"), "Neon\\button.tga");
  EXPECT_EQ(read("skins/Neon/Neon.uis", "XPTaskbar", "File"), "Neon\\TemplateUIS2.xp");
  EXPECT_EQ(read("skins/Neon/TemplateUIS2.xp", "Taskbar", "Image"), "Neon\\bar.tga");
  EXPECT_EQ(read("skins/Neon/anim.ini", "Animations.Info", "SkinName"), "Neon");
  EXPECT_EQ(read("skins/Neon/anim.ini", "Open", "Image"), "Neon\\open.zor");

  EXPECT_FALSE(files::exists(temp.file("skins/Neon/TemplateUIS2.uis")));
  EXPECT_FALSE(files::exists(temp.file("skins/Neon/TemplateUIS2.uis~"))) << "working copies are not copied";
  EXPECT_FALSE(files::exists(temp.file("skins/Neon/Neon.uis~")));
  EXPECT_FALSE(files::exists(temp.file("skins/Neon/TemplateUIS2.PREVIEW7")));
  EXPECT_FALSE(files::exists(temp.file("skins/Neon/sub"))) << "sub-folders are not copied";
  EXPECT_EQ(temp.read("skins/Neon/button.tga"), "tga");

  // Sub-styles: the .SSD is renamed and its files become Neon1.sss and Neon2.sss.
  EXPECT_EQ(read("skins/Neon/Neon.SSD", "SkinStyle0", "Skin"), "Neon.uis");
  EXPECT_EQ(read("skins/Neon/Neon.SSD", "SkinStyle1", "Skin"), "Neon1.sss");
  EXPECT_EQ(read("skins/Neon/Neon.SSD", "SkinStyle2", "Skin"), "Neon2.sss");
  EXPECT_EQ(read("skins/Neon/Neon1.sss", "Button", "Image"), "Neon\\dark.tga");
  EXPECT_EQ(read("skins/Neon/Neon1.sss", "TitlebarSkin", "SkinName"), "Neon");
  EXPECT_EQ(read("skins/Neon/Neon2.sss", "Button", "Image"), "Neon\\light.tga");
  EXPECT_FALSE(files::exists(temp.file("skins/Neon/Dark.sss")));
  // The template is untouched.
  EXPECT_EQ(read("skins/Tessera7/TesseraTemplates/TemplateUIS2/TemplateUIS2.uis", "Button", "Image"),
            "templateuis2\\button.tga");
}

TEST_F(SkinCopyTest, NumberOneRenamesNoSubStyleFile) {
  writeTemplate(1);
  ASSERT_TRUE(CreateNewSkin(skinsFolder(), "Solo", SkinType::Advanced, false, nullptr).created());
  EXPECT_TRUE(files::exists(temp.file("skins/Solo/Dark.sss")));
  EXPECT_FALSE(files::exists(temp.file("skins/Solo/Solo1.sss")));
  EXPECT_EQ(read("skins/Solo/Solo.SSD", "SkinStyle1", "Skin"), "Dark.sss");
}

TEST_F(SkinCopyTest, SubStyleRenamesNeverReplaceAnotherSubStylesFile) {
  writeSkin("Old", "[TitlebarSkin]\r\nSkinName=Old\r\n");
  temp.write("skins/Old/Old.SSD",
             "[SkinStyles]\r\nNumber=3\r\n[SkinStyle0]\r\nSkin=Old.uis\r\n[SkinStyle1]\r\nSkin=x.sss\r\n"
             "[SkinStyle2]\r\nSkin=New1.sss\r\n");
  temp.write("skins/Old/x.sss", "[Mark]\r\nWho=x\r\n");
  temp.write("skins/Old/New1.sss", "[Mark]\r\nWho=second\r\n");
  ASSERT_TRUE(SaveSkinAs(skinsFolder(), "New", "Old", nullptr).created());
  EXPECT_EQ(read("skins/New/New1.sss", "Mark", "Who"), "x");
  EXPECT_EQ(read("skins/New/New2.sss", "Mark", "Who"), "second");
}

TEST_F(SkinCopyTest, CompanionsOutsideTheNewSkinAreNotTouched) {
  writeSkin("Src", "[TitlebarSkin]\r\nSkinName=Src\r\n[XPShell]\r\nFile=Shared\\shell.xps\r\n"
                   "[XPTaskbar]\r\nFile=..\\..\\outside.xp\r\n");
  temp.write("skins/Shared/shell.xps", "[Explorer]\r\nImage=Src\\pane.tga\r\n");
  ASSERT_TRUE(SaveSkinAs(skinsFolder(), "Dst", "Src", nullptr).created());
  EXPECT_EQ(read("skins/Shared/shell.xps", "Explorer", "Image"), "Src\\pane.tga");
  EXPECT_FALSE(files::exists(temp.file("outside.xp")));
}

TEST_F(SkinCopyTest, RefusedNamesCreateNothing) {
  writeSkin("Src", "[TitlebarSkin]\r\nSkinName=Src\r\n");
  for (const char* name : {"", "a/b", "..", "a\\b", "x..y", "Tessera7", "tessera7", "bad:name", "trailing."}) {
    const CopySkinResult r = CopySkin(skinsFolder(), name, "Src", false, nullptr);
    EXPECT_FALSE(r.copied) << name;
  }
  EXPECT_FALSE(CopySkin(skinsFolder(), "SRC", "Src", false, nullptr).copied) << "same folder in another case";
  EXPECT_FALSE(CopySkin(skinsFolder(), "Copy", "../Src", false, nullptr).copied);
  EXPECT_EQ(ListSkinFolders(skinsFolder()), (std::vector<std::string>{"Src"}));
  EXPECT_EQ(read("skins/Src/Src.uis", "TitlebarSkin", "SkinName"), "Src");
  EXPECT_FALSE(CopySkinFolder(temp.file("skins/Src"), temp.file("skins/SRC"), "Src", "SRC"));
  EXPECT_FALSE(CopySkinFolder("/tmp/abc", temp.file("skins/X"), "abc", "X")) << "paths of 9 characters or fewer";
}

TEST_F(SkinCopyTest, ExistingNamesAreRefusedOnlyWithASkinName) {
  writeTemplate();
  writeSkin("Taken", "[TitlebarSkin]\r\nSkinName=Taken\r\n");
  const NewSkinResult taken = CreateNewSkin(skinsFolder(), "Taken", SkinType::Advanced, false, nullptr);
  EXPECT_FALSE(taken.created());
  EXPECT_EQ(taken.message, "A skin with that name already exists, please use a different skin name.");
  EXPECT_EQ(taken.caption, "Sorry the name you entered already exists");
  EXPECT_EQ(SaveSkinAs(skinsFolder(), "Taken", "Taken", nullptr).message, "A skin with that name already exists");
  EXPECT_EQ(CreateNewSkin(skinsFolder(), "", SkinType::Advanced, false, nullptr).outcome,
            NewSkinResult::Outcome::StayOpen);

  // A folder whose main file has no SkinName is overwritten file by file.
  writeSkin("Stale", "[Old]\r\nKey=1\r\n");
  temp.write("skins/Stale/keep.tga", "mine");
  ASSERT_TRUE(CreateNewSkin(skinsFolder(), "Stale", SkinType::Advanced, false, nullptr).created());
  EXPECT_EQ(read("skins/Stale/Stale.uis", "TitlebarSkin", "SkinName"), "Stale");
  EXPECT_EQ(read("skins/Stale/Stale.uis", "Old", "Key"), "<none>") << "the template's main file wins";
  EXPECT_EQ(temp.read("skins/Stale/keep.tga"), "mine");
}

TEST_F(SkinCopyTest, NewSkinNamesHaveAtMostTwentyCharacters) {
  writeTemplate();
  const NewSkinResult tooLong = CreateNewSkin(skinsFolder(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ", SkinType::Advanced, false, nullptr);
  EXPECT_EQ(tooLong.outcome, NewSkinResult::Outcome::Refused);
  EXPECT_EQ(tooLong.message, kNewSkinNameTooLongMessage);
  EXPECT_FALSE(files::exists(temp.file("skins/ABCDEFGHIJKLMNOPQRSTUVWXYZ")));
  EXPECT_EQ(CreateNewSkin(skinsFolder(), "ABCDEFGHIJKLMNOPQRSTU", SkinType::Advanced, false, nullptr).outcome,
            NewSkinResult::Outcome::Refused);
  EXPECT_TRUE(CreateNewSkin(skinsFolder(), "ABCDEFGHIJKLMNOPQRST", SkinType::Advanced, false, nullptr).created());
}

TEST_F(SkinCopyTest, CopyIsByteExactAndLeavesNoWorkFolder) {
  writeSourceSkin();
  ASSERT_TRUE(SaveSkinAs(skinsFolder(), "Dst", "Src", nullptr).created());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(temp.read("skins/Dst/pic" + std::to_string(i) + ".tga"), picture(i)) << i;
  }
  EXPECT_EQ(read("skins/Dst/Dst.uis", "Button", "Image"), "Dst\\pic0.tga");
  EXPECT_EQ(read("skins/Dst/Src.xp", "Taskbar", "Image"), "Dst\\pic1.tga");
  EXPECT_EQ(skinsFolderEntries(), (std::vector<std::string>{"Dst", "Src", "Tessera7"}));
}

// A copy that crashed leaves its work folder: it is no skin, and the next copy removes it unless
// its process still runs.
TEST_F(SkinCopyTest, LeftoverWorkFoldersAreNoSkinsAndTheNextCopyRemovesThem) {
  writeSourceSkin();
  const pid_t dead = [] {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
  }();
  const std::string crashed = ".Dst.partial-" + std::to_string(dead);
  const std::string running = ".Other.partial-" + std::to_string(::getppid());
  temp.write("skins/" + crashed + "/Dst/Dst.uis", "[TitlebarSkin]\r\nSkinName=Dst\r\n");
  // Named like its own main file, so only the work-folder rule keeps it off the lists.
  temp.write("skins/" + crashed + "/" + crashed + ".uis", "[TitlebarSkin]\r\nSkinName=Half\r\n");
  temp.write("skins/" + running + "/" + running + ".uis", "[TitlebarSkin]\r\nSkinName=Busy\r\n");
  EXPECT_EQ(ListSkinFolders(skinsFolder()), (std::vector<std::string>{"Src"}));
  DynamicLibrary library(ModulePath(testing::StandinFolder(), "divu"));
  ASSERT_TRUE(library.isLoaded());
  const SkinDatabase database(library);
  database.CreateSkinList();
  EXPECT_EQ(database.PopulateSkinList(), (std::vector<std::string>{"Src"}));

  ASSERT_TRUE(SaveSkinAs(skinsFolder(), "Dst", "Src", nullptr).created());
  EXPECT_FALSE(files::exists(temp.file("skins/" + crashed)));
  EXPECT_TRUE(files::exists(temp.file("skins/" + running))) << "a running copy's folder stays";
  EXPECT_EQ(ListSkinFolders(skinsFolder()), (std::vector<std::string>{"Dst", "Src"}));
}

// Files may grow only to `bytes` while one lives, so that writing a larger file fails.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(SkinCopyTest, ACopyThatFailsPartWayLeavesNoNewSkin) {
  writeSourceSkin();
  temp.write("skins/Src/zbig.tga", std::string(64 * 1024, 'z'));
  {
    const FileSizeLimit limit(32 * 1024);
    const CopySkinResult r = CopySkin(skinsFolder(), "Dst", "Src", false, nullptr);
    EXPECT_FALSE(r.copied);
    EXPECT_EQ(r.message, "The skin folder could not be copied.");
  }
  EXPECT_EQ(skinsFolderEntries(), (std::vector<std::string>{"Src", "Tessera7"}));

  // A folder of that name that is no skin yet stays as it was.
  writeSkin("Dst", "[Old]\r\nKey=1\r\n");
  temp.write("skins/Dst/keep.tga", "mine");
  {
    const FileSizeLimit limit(32 * 1024);
    EXPECT_FALSE(CopySkin(skinsFolder(), "Dst", "Src", false, nullptr).copied);
  }
  EXPECT_EQ(files::listFiles(temp.file("skins/Dst")), (std::vector<std::string>{"Dst.uis", "keep.tga"}));
  EXPECT_EQ(read("skins/Dst/Dst.uis", "Old", "Key"), "1");
  EXPECT_EQ(skinsFolderEntries(), (std::vector<std::string>{"Dst", "Src", "Tessera7"}));
}

TEST_F(SkinCopyTest, TemplateNames) {
  EXPECT_EQ(TemplateName(SkinType::Basic, false), "TemplateUIS1");
  EXPECT_EQ(TemplateName(SkinType::Advanced, true), "TemplateUIS2_Vista");
  EXPECT_EQ(TemplateName(SkinType::UIS0, true), "TemplateUIS0_Vista");
  EXPECT_FALSE(CreateNewSkin(skinsFolder(), "NoTemplate", SkinType::Basic, true, nullptr).created());
}

TEST_F(SkinCopyTest, TheSkinDatabaseLearnsOfTheNewSkin) {
  writeTemplate();
  DynamicLibrary library(ModulePath(testing::StandinFolder(), "divu"));
  ASSERT_TRUE(library.isLoaded());
  const SkinDatabase database(library);
  database.CreateSkinList();
  ASSERT_TRUE(CreateNewSkin(skinsFolder(), "Listed", SkinType::Advanced, false, &database).created());
  const auto names = database.PopulateSkinList();
  EXPECT_NE(std::find(names.begin(), names.end(), "Listed"), names.end());
  EXPECT_EQ(Session().modified, 1) << "writes go through the section store";
}

}  // namespace
}  // namespace tessera
