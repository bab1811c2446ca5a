// Each kind of finding of the skin check, on small hand-made skins.
#include <gtest/gtest.h>

#include "check_fixture.h"
#include "core/platform/files.h"

namespace tessera::testing {
namespace {

using L = CheckLevel;

TEST_F(SkinCheckTest, PicturesResolveLikeTheEngineAndMissingOnesAreErrors) {
  tga("Sk/Button.TGA", 100, 20);
  writeSkin("Sk", "[Buttons]\r\nImage=sk\\button.tga\r\nGlyphImage=sk\\gone.tga\r\n"
                  "[Menu.Item]\r\nBitmap=other\\gone.bmp\r\n");
  const auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Error, "Buttons", "Image"), 0) << "found in another letter case\n" << Listing(f);
  EXPECT_EQ(Count(f, L::Error, "Buttons", "GlyphImage", "does not exist"), 1);
  EXPECT_EQ(Count(f, L::Error, "Menu.Item", "Bitmap", "does not exist"), 1);
  EXPECT_TRUE(HasErrors(f));
}

TEST_F(SkinCheckTest, ValuesLeadingOutOfTheSkinsFolderAreErrorsAndNotFollowed) {
  temp.write("outside.tga", "x");
  writeSkin("Sk", "[Buttons]\r\nImage=..\\outside.tga\r\n[Menu.Item]\r\nImage=" + temp.file("outside.tga") +
                      "\r\n[Taskbar.Button]\r\nImage=C:\\outside.tga\r\n[Options]\r\nImage=sk\\..\\..\\outside.tga\r\n");
  const auto f = check("Sk");
  for (const char* section : {"Buttons", "Menu.Item", "Taskbar.Button", "Options"}) {
    EXPECT_EQ(Count(f, L::Error, section, "Image", "outside the skins folder"), 1) << section << "\n" << Listing(f);
  }
}

TEST_F(SkinCheckTest, FormatsTheSlotCannotTakeAreErrors) {
  png("Sk/shot.png", 10, 10);
  png("Sk/disguised.tga", 10, 10);
  bmp("Sk/plain.bmp", 10, 10);
  tga("Sk/strip.tga", 10, 10);
  png("Sk/wall.jpg", 8, 8, "JPG");
  writeSkin("Sk", "[Buttons]\r\nImage=sk\\shot.png\r\nFrameCount=1\r\n[Menu.Item]\r\nImage=sk\\disguised.tga\r\n"
                  "[Taskbar.Button]\r\nImage=sk\\plain.bmp\r\nFrameCount=1\r\n[Progress.Busy]\r\nImage=sk\\strip.tga\r\n"
                  "[Personality]\r\nWallpaper=sk\\wall.jpg\r\nMenuBar=sk\\wall.jpg\r\n");
  const auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Error, "Buttons", "Image", "is a PNG picture"), 1) << Listing(f);
  EXPECT_EQ(Count(f, L::Error, "Menu.Item", "Image", "is a PNG picture"), 1) << "judged by content, not by name";
  EXPECT_EQ(Count(f, L::Error, "Taskbar.Button", "Image"), 0);
  EXPECT_EQ(Count(f, L::Error, "Progress.Busy", "Image", "only ZOR"), 1) << "an animation slot";
  EXPECT_EQ(Count(f, L::Error, "Personality", "Wallpaper"), 0);
  EXPECT_EQ(Count(f, L::Error, "Personality", "MenuBar", "is a JPG picture"), 1);
}

TEST_F(SkinCheckTest, PicturesThatDoNotDivideIntoTheirFrames) {
  tga("Sk/five.tga", 100, 20);
  tga("Sk/thin.tga", 3, 20);
  tga("Sk/thumb.tga", 10, 30);
  tga("Sk/top.tga", 200, 31);
  writeSkin("Sk", "[Buttons]\r\nImage=sk\\five.tga\r\n"          // 5 frames from the catalogue: fine
                  "[Menu.Item]\r\nImage=sk\\five.tga\r\nFrameCount=3\r\n"
                  "[Taskbar.Button]\r\nImage=sk\\thin.tga\r\nFrameCount=5\r\n"
                  "[Scrollbar.VertThumb]\r\nImage=sk\\thumb.tga\r\n"  // 4 frames stacked: 30 rows do not divide
                  "[Personality]\r\nTop=sk\\top.tga\r\n");            // 2 frames stacked
  const auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Warning, "Buttons", "Image"), 0) << Listing(f);
  EXPECT_EQ(Count(f, L::Warning, "Menu.Item", "Image", "100 pixels wide, which does not divide into 3 frames"), 1);
  EXPECT_EQ(Count(f, L::Error, "Taskbar.Button", "Image", "too small for 5 frames"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Scrollbar.VertThumb", "Image", "30 pixels high"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Personality", "Top", "31 pixels high"), 1);
}

TEST_F(SkinCheckTest, SizingMarginsLargerThanTheFrame) {
  tga("Sk/item.tga", 40, 20);  // two frames of 20 x 20
  writeSkin("Sk", "[Menu.Item]\r\nImage=sk\\item.tga\r\nTopHeight=15\r\nBottomHeight=10\r\nLeftWidth=10\r\nRightWidth=10\r\n"
                  "[Buttons]\r\nImage=sk\\item.tga\r\nFrameCount=1\r\nLeftWidth=30\r\nRightWidth=20\r\nSimpleMode=1\r\n");
  const auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Warning, "Menu.Item", "TopHeight", "larger than the frame's height of 20"), 1) << Listing(f);
  EXPECT_EQ(Count(f, L::Warning, "Menu.Item", "LeftWidth"), 0) << "10 + 10 fits 20";
  EXPECT_EQ(Count(f, L::Warning, "Buttons", "LeftWidth"), 0) << "a section painted without margins";
}

TEST_F(SkinCheckTest, LayerChainsNamingMissingSectionsOrRunningTooLong) {
  std::string text = "[Buttons]\r\nNextLayerName=A\r\n[Buttons:A]\r\nNextLayerName=B\r\n"
                     "[Menu.Item]\r\nNextLayerName=L\r\n";
  std::string name = "Menu.Item";
  for (int i = 0; i < 40; ++i) {
    name += ":L";
    text += "[" + name + "]\r\n" + (i < 39 ? "NextLayerName=L\r\n" : "");
  }
  // A chain whose names pass the longest section name the engine reads.
  text += "[Options]\r\nNextLayerName=" + std::string(300, 'x') + "\r\n";
  writeSkin("Sk", text);
  const auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Error, "Buttons:A", "NextLayerName", "\"Buttons:A:B\" does not exist"), 1) << Listing(f);
  EXPECT_EQ(Count(f, L::Warning, "Menu.Item", "NextLayerName", "40 layers"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Options", "NextLayerName", "255 characters"), 1);
}

TEST_F(SkinCheckTest, ButtonCountAgainstTheButtonSections) {
  writeSkin("Sk", "[Personality]\r\nButtonCount=3\r\n[Button0]\r\n[Button2]\r\n[Button5]\r\n");
  auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Error, "Personality", "ButtonCount", "no section Button1"), 1) << Listing(f);
  EXPECT_EQ(Count(f, L::Warning, "Button5", "", "never shown"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Button2", ""), 0);

  writeSkin("Caps", "[Caption]\r\nButtonCount=2\r\n[Button0]\r\n[Button1]\r\n");
  EXPECT_TRUE(check("Caps").empty()) << "the caption layout's count, every button there\n" << Listing(check("Caps"));
  writeSkin("Huge", "[Caption]\r\nButtonCount=4000000000\r\n[Button0]\r\n");
  EXPECT_EQ(Count(check("Huge"), L::Error, "Caption", "ButtonCount", "far more"), 1);
}

TEST_F(SkinCheckTest, PresetsUsedButNotDefined) {
  writeSkin("Sk", "[Colour1]\r\nColour=1 2 3\r\n[Colour2]\r\nR=4\r\n[Font0]\r\nFontName=Arial\r\n"
                  "[Buttons]\r\nNormalColour=1\r\nPressedColour=2\r\nDisabledColour=7\r\nFocusColour=255\r\n"
                  "NormalFont=0\r\nPressedFont=3\r\n"
                  "[Caption]\r\nTitlebarFontObject=1\r\nTitlebarFontObjectInActive=2\r\n"
                  "[SystemFonts]\r\nSystemMenu=4\r\n[XPTaskbar]\r\nFile=sk\\sk.xp\r\n");
  temp.write("skins/Sk/sk.xp", "[Taskbar.Button]\r\nTextColour=9\r\n");
  const auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Warning, "Buttons", "DisabledColour", "colour preset 7"), 1) << Listing(f);
  EXPECT_EQ(Count(f, L::Warning, "Buttons", "PressedFont", "font preset 3"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Taskbar.Button", "TextColour", "colour preset 9"), 1) << "the taskbar file's keys too";
  EXPECT_EQ(Count(f, L::Warning, "Caption", "TitlebarFontObjectInActive", "font preset 2"), 1) << "counted from 1";
  EXPECT_EQ(Count(f, L::Warning, "Caption", "TitlebarFontObject"), 0);
  EXPECT_EQ(Count(f, L::Warning, "SystemFonts", "SystemMenu", "system font 4"), 1);
  EXPECT_EQ(f.size(), 5u) << Listing(f);
}

TEST_F(SkinCheckTest, ZorFilesThatDoNotDecode) {
  temp.write("skins/Sk/broken.zor", std::string("ZOR1\x10\0\0\0\x10\0\0\0\x02\0\0\0\0\0\0\0\xff\xff\0\0", 24));
  writeSkin("Sk", "[Progress.Busy]\r\nImage=sk\\broken.zor\r\n");
  const auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Error, "Progress.Busy", "Image", "cannot be read"), 1) << Listing(f);
}

TEST_F(SkinCheckTest, CompanionAndSubStyleFilesNamedButMissing) {
  writeSkin("Sk", "[XPTaskbar]\r\nFile=sk\\sk.xp\r\n[XPShell]\r\nFile=sk\\gone.xps\r\n[ToolbarIcons]\r\nFile=..\\x\r\n"
                  "[Animations]\r\nFile=sk\\gone.anim\r\n");
  temp.write("skins/Sk/sk.xp", "[Taskbar.Button]\r\nImage=sk\\missing.tga\r\n");
  temp.write("skins/Sk/Sk.SSD", "[SkinStyles]\r\nNumber=4\r\n[SkinStyle0]\r\nSkin=Sk.uis\r\n[SkinStyle1]\r\nSkin=gone.sss\r\n"
                                "[SkinStyle2]\r\nSkin=..\\evil.sss\r\n[SkinStyle3]\r\nSkin=night.sss\r\n");
  temp.write("skins/Sk/night.sss", "[Buttons]\r\nImage=sk\\night.tga\r\n");
  const auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Error, "XPShell", "File", "does not exist"), 1) << Listing(f);
  EXPECT_EQ(Count(f, L::Error, "ToolbarIcons", "File", "outside the skins folder"), 1);
  EXPECT_EQ(Count(f, L::Error, "Animations", "File", "does not exist"), 1);
  EXPECT_EQ(Count(f, L::Error, "XPTaskbar", "File"), 0);
  EXPECT_EQ(Count(f, L::Error, "Taskbar.Button", "Image", "does not exist"), 1) << "the companion is checked too";
  EXPECT_EQ(Count(f, L::Error, "SkinStyle1", "Skin", "does not exist"), 1);
  EXPECT_EQ(Count(f, L::Error, "SkinStyle2", "Skin", "not a file of the skin folder"), 1);
  EXPECT_EQ(Count(f, L::Error, "Buttons", "Image", "night.tga"), 1) << "sub-style files are checked as main files";
  for (const CheckFinding& finding : f) {
    if (finding.section == "SkinStyle1") {
      EXPECT_EQ(finding.file, "Sk/Sk.SSD");
    }
    if (finding.section == "Taskbar.Button") {
      EXPECT_EQ(finding.file, "Sk/sk.xp");
    }
  }
}

TEST_F(SkinCheckTest, ValuesOutsideTheirRanges) {
  writeSkin("Sk", "[Buttons]\r\nFrameCount=0\r\nSimpleMode=9\r\nTile=abc\r\nContentTop=-100\r\n"
                  "[Buttons:L]\r\nLayerBlendOrder=3\r\n[Font2]\r\nFontName=A\r\nFontAngle=450\r\n[Font3]\r\nFontAngle=900\r\n"
                  "[Colours]\r\nMenu=300 0 0\r\nWindow=255, 255, 255\r\nHilight=blue\r\n"
                  "[Personality]\r\nRoundedCorners=31\r\n[Caption]\r\nTextLeftShift=-1000\r\n");
  const auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Warning, "Buttons", "FrameCount", "from 1 to 255"), 1) << Listing(f);
  EXPECT_EQ(Count(f, L::Warning, "Buttons", "SimpleMode", "from 0 to 3"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Buttons", "Tile", "not a number"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Buttons", "ContentTop"), 0);
  EXPECT_EQ(Count(f, L::Warning, "Buttons:L", "LayerBlendOrder"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Font2", "FontAngle", "0 or 900"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Font3", "FontAngle"), 0);
  EXPECT_EQ(Count(f, L::Warning, "Colours", "Menu", "not a colour"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Colours", "Window"), 0);
  EXPECT_EQ(Count(f, L::Warning, "Colours", "Hilight"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Personality", "RoundedCorners"), 1);
  EXPECT_EQ(Count(f, L::Warning, "Caption", "TextLeftShift"), 0);
}

TEST_F(SkinCheckTest, SectionsTheCatalogueDoesNotKnowAndUnreferencedPicturesAreNotes) {
  tga("Sk/used.tga", 5, 5);
  tga("Sk/spare.tga", 5, 5);
  bmp("Sk/Old.BMP", 5, 5);
  writeSkin("Sk", "[Buttons]\r\nImage=sk\\used.tga\r\nFrameCount=1\r\n[Buttons:L]\r\n[Button7]\r\n[Colour3]\r\n[SystemFont1]\r\n"
                  "[Colours]\r\n[Mystery]\r\n[Mystery:L]\r\n");
  const auto f = check("Sk");
  EXPECT_EQ(Count(f, L::Note, "Mystery", "", "does not know"), 1) << Listing(f);
  EXPECT_EQ(Count(f, L::Note, "Mystery:L", "", "does not know"), 1);
  for (const char* known : {"Buttons", "Buttons:L", "Button7", "Colour3", "SystemFont1", "Colours"}) {
    EXPECT_EQ(Count(f, L::Note, known, ""), 0) << known;
  }
  int unreferenced = 0;
  for (const CheckFinding& finding : f) {
    if (finding.message.find("no key of the skin names") == std::string::npos) continue;
    ++unreferenced;
    EXPECT_EQ(finding.level, L::Note);
    EXPECT_TRUE(finding.file == "Sk/spare.tga" || finding.file == "Sk/Old.BMP") << finding.file;
  }
  EXPECT_EQ(unreferenced, 2);
  EXPECT_FALSE(HasErrors(f));
}

TEST_F(SkinCheckTest, ACleanSkinHasNoFindingsAndTheCheckWritesNothing) {
  tga("Sk/b.tga", 50, 10);
  writeSkin("Sk", "[Buttons]\r\nImage=sk\\b.tga\r\nTopHeight=4\r\nBottomHeight=4\r\n[Caption]\r\nButtonCount=1\r\n"
                  "[Button0]\r\nButtonImage=sk\\b.tga\r\nFrameCount=5\r\n");
  const auto before = files::lastWriteTime(temp.file("skins/Sk/Sk.uis"));
  const auto listing = files::listFiles(temp.file("skins/Sk"));
  const auto f = check("Sk");
  EXPECT_TRUE(f.empty()) << Listing(f);
  EXPECT_EQ(files::lastWriteTime(temp.file("skins/Sk/Sk.uis")), before);
  EXPECT_EQ(files::listFiles(temp.file("skins/Sk")), listing);
  EXPECT_FALSE(files::exists(temp.file("skins/Sk/Sk.uis~")));
}

}  // namespace
}  // namespace tessera::testing
