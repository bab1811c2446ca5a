// The skin the tester shows, as the per-application settings name it.
#include "render_fixture.h"
#include "standin/programs/tester_skin.h"

#include "core/platform/files.h"

namespace tessera::testing {
namespace {

class TesterSkinTest : public RenderTest {
 protected:
  std::string skins() const { return temp.file("skins"); }
};

TEST_F(TesterSkinTest, SkinFolderOrSubStyleFromVlperapp) {
  temp.write("skins/Alpha/ALPHA.UIS", "[A]\r\n");
  temp.write("skins/Alpha/Alpha.SSD", "[SkinStyles]\r\nNumber=2\r\n[SkinStyle1]\r\nSkin=night.sss\r\n");
  temp.write("skins/Alpha/night.sss", "[A]\r\n");
  temp.write("skins/vlperapp.ini", "[UITEST.EXE]\r\nSkin=Alpha\r\nIgnoreApp=0\r\n");
  EXPECT_EQ(standin::TesterSkinPath(skins()), temp.file("skins/Alpha/ALPHA.UIS"));
  temp.write("skins/vlperapp.ini", "[UITEST.EXE]\r\nSkin=Alpha\\1\r\n");
  EXPECT_EQ(standin::TesterSkinPath(skins()), temp.file("skins/Alpha/night.sss"));
  // The editor's working copies, with the edits not saved yet, are what is tested.
  temp.write("skins/Alpha/night.sss~", "[A]\r\n");
  EXPECT_EQ(standin::TesterSkinPath(skins()), temp.file("skins/Alpha/night.sss~"));
  temp.write("skins/vlperapp.ini", "[UITEST.EXE]\r\nSkin=Alpha\r\n");
  temp.write("skins/Alpha/ALPHA.UIS~", "[A]\r\n");
  EXPECT_EQ(standin::TesterSkinPath(skins()), temp.file("skins/Alpha/ALPHA.UIS~"));
  files::deleteFile(temp.file("skins/Alpha/ALPHA.UIS~"));
  // A sub-style that does not exist falls back to the skin's own file.
  temp.write("skins/vlperapp.ini", "[UITEST.EXE]\r\nSkin=Alpha\\7\r\n");
  EXPECT_EQ(standin::TesterSkinPath(skins()), temp.file("skins/Alpha/ALPHA.UIS"));
  // Values that would leave the skins folder name nothing.
  temp.write("skins/vlperapp.ini", "[UITEST.EXE]\r\nSkin=..\r\n");
  EXPECT_EQ(standin::TesterSkinPath(skins()), "");
  temp.write("skins/Alpha/Alpha.SSD", "[SkinStyle1]\r\nSkin=..\\..\\outside.uis\r\n");
  temp.write("skins/vlperapp.ini", "[UITEST.EXE]\r\nSkin=Alpha\\1\r\n");
  EXPECT_EQ(standin::TesterSkinPath(skins()), temp.file("skins/Alpha/ALPHA.UIS"));
}

}  // namespace
}  // namespace tessera::testing
