#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QImage>

#include "core/image/cut_links.h"
#include "core/image/edit_externally.h"
#include "core/image/image_file.h"
#include "core/image/image_import.h"
#include "core/image/reimport_pass.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/platform/shell.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

// Sets a file's modification time to a fixed second, so tests need not wait for the clock.
void setTime(const std::string& path, long seconds) {
  const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

class ImportTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    OpenSkinFiles(writeSkin("MySkin", "[Personality]\r\n"), "");
    list = skinsFolder() + "/MySkin/reimport.lst";
  }
  std::string writePng(const char* relative, QColor colour) {
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(colour);
    const std::string path = temp.file(relative);
    files::createFolders(std::string(paths::parentFolder(path)));
    EXPECT_TRUE(image.save(QString::fromStdString(path)));
    return path;
  }
  ImportResult import(const std::string& path, bool reimport = true) {
    ImportState state = OpenImport(ImportMode::Quick, "", "");
    SetImportPath(state, path);
    state.reimport = reimport;
    return AcceptImport(state);
  }
  std::string list;
};

TEST_F(ImportTest, ImportConvertsAndTracksAndThePassFollowsTheSource) {
  const std::string source = writePng("Art/Title.png", QColor(10, 20, 30, 128));
  setTime(source, 1'700'000'000);
  const ImportResult result = import(source);
  ASSERT_EQ(result.outcome, ImportOutcome::Imported);
  EXPECT_EQ(result.slotValue, "MySkin\\Title.tga");
  EXPECT_TRUE(files::isFile(skinsFolder() + "/MySkin/Title.TGA"));
  EXPECT_EQ(profile::ReadString("MySkin\\Title.tga", "SourceFile", "", list, 256), source);
  EXPECT_EQ(profile::ReadString("MySkin\\Title.tga", "Name", "", list), "Title");
  EXPECT_EQ(profile::ReadString("MySkin\\Title.tga", "ext", "", list), "PNG");
  EXPECT_EQ(profile::ReadString("MySkin\\Title.tga", "ReimportWhenNeeded", "", list), "1");
  const auto time = files::lastWriteTime(source);
  EXPECT_EQ(profile::GetInt("MySkin\\Title.tga", "LastEdit1", 0, list), time->high);
  EXPECT_EQ(profile::GetInt("MySkin\\Title.tga", "LastEdit2", 0, list), time->low);

  EXPECT_TRUE(RunReimportPass().rewritten.empty());
  writePng("Art/Title.png", QColor(200, 0, 0, 255));
  setTime(source, 1'700'000'100);
  const auto report = RunReimportPass();
  ASSERT_EQ(report.rewritten.size(), 1u);
  const auto converted = LoadImageFile(skinsFolder() + "/MySkin/Title.TGA");
  EXPECT_EQ(converted->pixelAt(0, 0), MakePixel(0, 0, 200, 255));
  EXPECT_EQ(profile::GetInt("MySkin\\Title.tga", "LastEdit2", 0, list), files::lastWriteTime(source)->low);
  EXPECT_TRUE(RunReimportPass().rewritten.empty());

  // Importing again without the check box removes the entry.
  EXPECT_EQ(import(source, false).outcome, ImportOutcome::Imported);
  EXPECT_FALSE(profile::FindValue("MySkin\\Title.tga", "SourceFile", list));
}

TEST_F(ImportTest, FormatFollowsExtensionAndAlpha) {
  // A ".bmp" name always gives a BMP, even with TGA content that carries alpha.
  auto translucent = CreateImage(2, 2);
  translucent->fill(PremultiplyPixel(MakePixel(1, 2, 3, 100)));
  const std::string bmpNamed = temp.write("art/Logo.bmp", EncodeTga(*translucent));
  EXPECT_EQ(import(bmpNamed).slotValue, "MySkin\\Logo.bmp");
  EXPECT_EQ(temp.read("skins/MySkin/Logo.BMP").substr(0, 2), "BM");
  // A TGA whose alpha bytes are all zero has no alpha: BMP.
  const std::string clear = temp.write("art/Clear.tga", EncodeTga(*CreateImage(2, 2)));
  EXPECT_EQ(import(clear).slotValue, "MySkin\\Clear.bmp");

  const std::string zor = temp.write("art/Spin.zor", "ZOR1 bytes");
  const ImportResult copied = import(zor);
  EXPECT_EQ(copied.outcome, ImportOutcome::ZorCopied);
  EXPECT_EQ(temp.read("skins/MySkin/Spin.ZOR"), "ZOR1 bytes");
  EXPECT_FALSE(profile::FindValue(copied.slotValue, "SourceFile", list));

  EXPECT_EQ(import(temp.write("art/bad.png", "not a picture")).outcome, ImportOutcome::LoadFailed);
  EXPECT_EQ(AcceptImport(OpenImport(ImportMode::Full, bmpNamed, "")).outcome, ImportOutcome::Cancelled);

  std::string name = "keep", ext = "keep";
  DeriveNameAndExt("C:\\my.folder\\file", name, ext);
  EXPECT_EQ(name + ext, "keepkeep");
  DeriveNameAndExt("C:\\art\\a.b.png", name, ext);
  EXPECT_EQ(name, "a.b");
  EXPECT_EQ(ext, "png");
}

TEST_F(ImportTest, PassRefreshesOnlyTimesForASourceThatIsItsTarget) {
  const std::string target = temp.write("skins/MySkin/Self.tga", EncodeTga(*CreateImage(2, 2)));
  profile::WriteString("MySkin\\self.tga", "ReimportWhenNeeded", "1", list);
  profile::WriteString("MySkin\\self.tga", "SourceFile", skinsFolder() + "/MYSKIN/self.TGA", list);
  profile::WriteString("MySkin\\self.tga", "Name", "Self", list);
  profile::WriteString("MySkin\\self.tga", "ext", "TGA", list);
  EXPECT_TRUE(RunReimportPass().rewritten.empty());
  EXPECT_EQ(profile::GetInt("MySkin\\self.tga", "LastEdit2", 0, list), files::lastWriteTime(target)->low);
}

TEST_F(ImportTest, ValuesFromADownloadedSkinCannotWriteOutside) {
  const std::string source = writePng("Art/Evil.png", QColor(1, 2, 3));
  profile::WriteString("MySkin\\x.tga", "ReimportWhenNeeded", "1", list);
  profile::WriteString("MySkin\\x.tga", "SourceFile", source, list);
  profile::WriteString("MySkin\\x.tga", "Name", "..\\..\\Evil", list);
  profile::WriteString("MySkin\\y.tga", "ReimportWhenNeeded", "1", list);
  profile::WriteString("MySkin\\y.tga", "SourceFile", source, list);
  profile::WriteString("MySkin\\y.tga", "Name", "/tmp/Evil", list);

  // A cut list beside the source with one target outside the skins folder and one inside.
  const std::string index = Session().mainFile + ".CutLink";
  profile::WriteString(source, "Linked", "1", index);
  const std::string outside = temp.file("Outside.tga");
  const std::string inside = skinsFolder() + "/MySkin/Piece.tga";
  for (const std::string& target : {outside, skinsFolder() + "/MySkin/../../Escape.tga", inside}) {
    profile::WriteString(target, "Right", "3", CutListPath(source));
    profile::WriteString(target, "Bottom", "2", CutListPath(source));
    profile::WriteString(target, "TGA", "1", CutListPath(source));
  }
  const auto report = RunReimportPass();
  EXPECT_EQ(report.rewritten, std::vector<std::string>{inside});
  EXPECT_FALSE(files::exists(outside));
  EXPECT_FALSE(files::exists(temp.file("Escape.tga")));
  EXPECT_FALSE(files::exists(temp.file("Evil.TGA")));
  EXPECT_FALSE(files::exists("/tmp/Evil.TGA"));
  const auto piece = LoadImageFile(inside);
  ASSERT_TRUE(piece);
  EXPECT_EQ(piece->width(), 3);
  EXPECT_EQ(piece->pixelAt(0, 0), MakePixel(3, 2, 1, 255));
  EXPECT_TRUE(RunReimportPass().rewritten.empty());  // the source's time is stored now
}

TEST_F(ImportTest, EditingATgaGoesThroughATrackedPng) {
  RecordingShell shell;
  InstallShell(&shell);
  auto picture = CreateImage(3, 3);
  picture->fill(MakePixel(50, 60, 70, 255));
  temp.write("skins/MySkin/Title.tga", EncodeTga(*picture));
  ASSERT_TRUE(EditImageExternally("MySkin\\Title.tga"));
  const std::string png = skinsFolder() + "/MySkin/TempPngs/Title.tga.PNG";
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].verb, "edit");
  EXPECT_EQ(shell.calls[0].target, png);
  EXPECT_EQ(profile::ReadString("MySkin\\Title.tga", "SourceFile", "", list, 256), png);
  EXPECT_EQ(profile::ReadString("MySkin\\Title.tga", "Name", "", list), "Title");
  EXPECT_TRUE(RunReimportPass().rewritten.empty());

  // The user saves the PNG in the editor: the next pass writes the TGA back.
  QImage edited(3, 3, QImage::Format_ARGB32);
  edited.fill(QColor(9, 8, 7));
  ASSERT_TRUE(edited.save(QString::fromStdString(png)));
  setTime(png, 1'800'000'000);
  EXPECT_EQ(RunReimportPass().rewritten.size(), 1u);
  EXPECT_EQ(LoadImageFile(skinsFolder() + "/MySkin/Title.tga")->pixelAt(1, 1), MakePixel(7, 8, 9, 255));

  // Now tracked: editing opens the PNG itself, through EditApp only while the verb is "Custom".
  WriteSetting(settings::EditApp, "/usr/bin/painter");
  WriteSetting(settings::EditVerb, "Edit");
  ASSERT_TRUE(EditImageExternally("MySkin\\Title.tga"));
  EXPECT_EQ(shell.calls.back().verb, "edit");
  EXPECT_EQ(shell.calls.back().target, png);
  EXPECT_EQ(shell.calls.back().program, "");
  WriteSetting(settings::EditVerb, "Open");
  ASSERT_TRUE(EditImageExternally("MySkin\\Title.tga"));
  EXPECT_EQ(shell.calls.back().verb, "open");
  WriteSetting(settings::EditVerb, "Custom");
  ASSERT_TRUE(EditImageExternally("MySkin\\Title.tga"));
  EXPECT_EQ(shell.calls.back().target, png);
  EXPECT_EQ(shell.calls.back().program, "/usr/bin/painter");
  // A BMP is opened as it is; a value leading out of the skins folder is refused.
  WriteSetting(settings::EditApp, "-");
  WriteSetting(settings::EditVerb, "open");
  ASSERT_TRUE(EditImageExternally("MySkin\\Back.bmp"));
  EXPECT_EQ(shell.calls.back().verb, "open");
  EXPECT_EQ(shell.calls.back().target, skinsFolder() + "/MySkin/Back.bmp");
  EXPECT_FALSE(EditImageExternally("..\\..\\etc\\passwd"));
  InstallShell(nullptr);
}

}  // namespace
}  // namespace tessera
