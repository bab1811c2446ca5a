// The long skin operations report their progress to the end and, asked to stop at any report,
// leave nothing half-made: no new skin, no package, no ZOR file, only whole picture moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "core/image/image_file.h"
#include "core/image/zor_compressor.h"
#include "core/platform/files.h"
#include "core/skin/check/skin_check.h"
#include "core/skin/clean_skin.h"
#include "core/skin/new_skin.h"
#include "core/skin/skin_copy.h"
#include "core/skin/skin_package.h"
#include "support/archive_reader.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

// Records every report and answers "stop" from report number `stopAt` on (counted from 1).
struct Recorder {
  Recorder() = default;
  explicit Recorder(int stopFrom) : stopAt(stopFrom) {}
  int stopAt = 0;  // 0: never stop
  std::vector<std::pair<std::int64_t, std::int64_t>> reports;
  ProgressCallback callback() {
    return [this](std::int64_t done, std::int64_t total) {
      reports.emplace_back(done, total);
      return stopAt == 0 || static_cast<int>(reports.size()) < stopAt;
    };
  }
  // Every report counts up within one total, and the last one is the end.
  void expectCompleteRun() const {
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back().first, reports.back().second);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end())) << "progress goes backwards";
    for (const auto& [done, total] : reports) EXPECT_LE(done, total);
  }
};

class StoppableOperationsTest : public testing::EnvironmentTest {
 protected:
  // Skin Src: a main file naming pic0, and `pictures` pictures in all.
  void writeSource(int pictures) {
    writeSkin("Src", "[TitlebarSkin]\r\nSkinName=Src\r\n[Button]\r\nImage=Src\\pic0.tga\r\n");
    for (int i = 0; i < pictures; ++i) temp.write("skins/Src/pic" + std::to_string(i) + ".tga", std::string(4096, 'p'));
  }
};

TEST_F(StoppableOperationsTest, ACopyStoppedAtAnyStepLeavesNoNewSkinAndNoWorkFolder) {
  writeSource(6);
  const std::vector<std::string> before = skinsFolderEntries();

  Recorder full;
  const CopySkinResult done = CopySkin(skinsFolder(), "Whole", "Src", false, nullptr, full.callback());
  ASSERT_TRUE(done.copied) << done.message;
  full.expectCompleteRun();
  // One step per file (main file and six pictures) and one for the renamed references.
  EXPECT_EQ(full.reports.back().second, 8);
  EXPECT_TRUE(files::isFile(temp.file("skins/Whole/Whole.uis")));
  files::removeFolderRecursive(temp.file("skins/Whole"));

  for (int stopAt = 1; stopAt <= static_cast<int>(full.reports.size()); ++stopAt) {
    Recorder stopping(stopAt);
    const CopySkinResult r = CopySkin(skinsFolder(), "Stopped", "Src", false, nullptr, stopping.callback());
    EXPECT_FALSE(r.copied) << "stopped at report " << stopAt;
    EXPECT_TRUE(r.cancelled) << stopAt;
    EXPECT_TRUE(r.message.empty()) << r.message;
    EXPECT_EQ(skinsFolderEntries(), before) << "stopped at report " << stopAt;
  }

  // Save-as and new skin pass the stop on, and a stopped save-as is no failure to show.
  Recorder first(1);
  const NewSkinResult saved = SaveSkinAs(skinsFolder(), "Stopped", "Src", nullptr, first.callback());
  EXPECT_FALSE(saved.created());
  EXPECT_TRUE(saved.message.empty());
  EXPECT_EQ(saved.outcome, NewSkinResult::Outcome::StayOpen);
  EXPECT_EQ(skinsFolderEntries(), before);
}

TEST_F(StoppableOperationsTest, ACleanStopsBetweenWholeMovesAndAStoppedScanFindsNothing) {
  writeSkin("Tidy", "[Button]\r\nImage=Tidy\\used.tga\r\n");
  temp.write("skins/Tidy/Tidy.SSD",
             "[SkinStyles]\r\nNumber=3\r\n[SkinStyle0]\r\nSkin=Tidy.uis\r\n[SkinStyle1]\r\nSkin=Blue.sss\r\n"
             "[SkinStyle2]\r\nSkin=Red.sss\r\n");
  temp.write("skins/Tidy/Blue.sss", "[Button]\r\nImage=Tidy\\blue.tga\r\n");
  temp.write("skins/Tidy/Red.sss", "[Button]\r\nImage=Tidy\\red.tga\r\n");
  for (const char* name : {"used.tga", "blue.tga", "red.tga", "a.tga", "b.tga", "c.bmp"}) {
    temp.write("skins/Tidy/" + std::string(name), name);
  }

  Recorder scan;
  const std::vector<std::string> found = FindUnreferencedImages(skinsFolder(), "Tidy", scan.callback());
  EXPECT_EQ(found, (std::vector<std::string>{"tidy\\a.tga", "tidy\\b.tga", "tidy\\c.bmp"}));
  scan.expectCompleteRun();
  EXPECT_EQ(scan.reports.back().second, 4);  // the main file and three sub-style entries
  Recorder stoppedScan(2);
  EXPECT_TRUE(FindUnreferencedImages(skinsFolder(), "Tidy", stoppedScan.callback()).empty());

  // Stopped at the third report (after two moves), the third picture has not moved at all.
  Recorder moves(3);
  const auto moved = MoveImagesToBackup(skinsFolder(), "Tidy", found, moves.callback());
  EXPECT_EQ(moved, (std::vector<std::string>{"tidy\\a.tga", "tidy\\b.tga"}));
  EXPECT_EQ(temp.read("skins/Tidy/backup/a.tga"), "a.tga");
  EXPECT_EQ(temp.read("skins/Tidy/backup/b.tga"), "b.tga");
  EXPECT_EQ(temp.read("skins/Tidy/c.bmp"), "c.bmp");
  EXPECT_FALSE(files::exists(temp.file("skins/Tidy/backup/c.bmp")));

  Recorder rest;
  EXPECT_EQ(MoveImagesToBackup(skinsFolder(), "Tidy", {"tidy\\c.bmp"}, rest.callback()).size(), 1u);
  rest.expectCompleteRun();
  // Stopped before the first move, the backup folder is not even made.
  files::removeFolderRecursive(temp.file("skins/Tidy/backup"));
  Recorder none(1);
  EXPECT_TRUE(MoveImagesToBackup(skinsFolder(), "Tidy", {"tidy\\used.tga"}, none.callback()).empty());
  EXPECT_FALSE(files::exists(temp.file("skins/Tidy/backup")));
}

TEST_F(StoppableOperationsTest, AStoppedPackageWritesNoFileAndKeepsTheOlderPackage) {
  writeSource(40);
  // Pictures that take a while to deflate, so that the writing reports several times.
  for (int i = 0; i < 40; ++i) {
    std::string bytes(64 * 1024, '\0');
    for (std::size_t b = 0; b < bytes.size(); ++b) bytes[b] = static_cast<char>((b * 2654435761u + i) >> 13);
    temp.write("skins/Src/pic" + std::to_string(i) + ".tga", bytes);
  }
  const std::string target = temp.file("out/Src.vla");
  files::createFolders(temp.file("out"));

  Recorder full;
  const PackageResult written = MakeSkinPackage(skinsFolder(), "Src", target, full.callback());
  ASSERT_TRUE(written.ok) << written.message;
  full.expectCompleteRun();
  EXPECT_EQ(full.reports.back().second, kPackageProgressSteps);
  ASSERT_GE(full.reports.size(), 3u) << "the writing reports on its way";
  const std::string older = temp.read("out/Src.vla");

  temp.write("skins/Src/late.tga", "added after the first package");
  for (int stopAt : {1, 2, static_cast<int>(full.reports.size()) - 1}) {
    Recorder stopping(stopAt);
    const PackageResult r = MakeSkinPackage(skinsFolder(), "Src", target, stopping.callback());
    EXPECT_FALSE(r.ok) << stopAt;
    EXPECT_TRUE(r.cancelled) << stopAt;
    EXPECT_EQ(temp.read("out/Src.vla"), older) << "stopped at report " << stopAt;
    // libzip's temporary file goes with the stop.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.file("out")), {}), 1) << stopAt;
  }

  // Without an older package, a stop leaves no file at all.
  files::deleteFile(target);
  Recorder first(2);
  EXPECT_TRUE(MakeSkinPackage(skinsFolder(), "Src", target, first.callback()).cancelled);
  EXPECT_FALSE(files::exists(target));
}

TEST_F(StoppableOperationsTest, AStoppedCheckReturnsWhatItFoundSoFar) {
  writeSkin("Chk", "[Button]\r\nImage=Chk\\missing.tga\r\n");
  temp.write("skins/Chk/Chk.SSD", "[SkinStyles]\r\nNumber=2\r\n[SkinStyle0]\r\nSkin=Chk.uis\r\n[SkinStyle1]\r\nSkin=Two.sss\r\n");
  temp.write("skins/Chk/Two.sss", "[Button]\r\nImage=Chk\\gone.tga\r\n");
  temp.write("skins/Chk/spare.tga", "unreferenced");

  Recorder full;
  const auto all = CheckSkin(skinsFolder(), "Chk", full.callback());
  full.expectCompleteRun();
  EXPECT_EQ(full.reports.back().second, 3);  // two skin files and the unreferenced pictures
  const auto mentions = [](const std::vector<CheckFinding>& findings, std::string_view text) {
    return std::any_of(findings.begin(), findings.end(),
                       [&](const CheckFinding& f) { return f.message.find(text) != std::string::npos; });
  };
  ASSERT_TRUE(mentions(all, "missing.tga"));
  ASSERT_TRUE(mentions(all, "gone.tga"));
  ASSERT_TRUE(mentions(all, "no key of the skin names this picture"));

  // Stopped after the main file: its findings are there, the sub-style's and the pictures' not.
  Recorder stopping(2);
  const auto partial = CheckSkin(skinsFolder(), "Chk", stopping.callback());
  EXPECT_EQ(stopping.reports.size(), 2u);
  EXPECT_TRUE(mentions(partial, "missing.tga"));
  EXPECT_FALSE(mentions(partial, "gone.tga"));
  EXPECT_FALSE(mentions(partial, "no key of the skin names this picture"));
}

TEST_F(StoppableOperationsTest, AZorCompressionStoppedByItsProgressWritesNoFile) {
  auto strip = CreateImage(8, 8 * 5);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 8; ++x) strip->setPixelAt(x, y, MakePixel(x * 30, y * 6, 0, 255));
  const std::string source = temp.file("anim.tga");
  ASSERT_TRUE(SaveImageFile(source, *strip, false));
  ZorAnimation animation;

  // Even a stop at the very last frame's report comes before the file is written.
  for (int stopAt : {1, 5}) {
    Recorder stopping(stopAt);
    EXPECT_EQ(CompressToZor(source, 5, animation, stopping.callback()), ZorCompressResult::Stopped) << stopAt;
    EXPECT_EQ(static_cast<int>(stopping.reports.size()), stopAt);
    EXPECT_FALSE(files::exists(temp.file("anim.ZOR"))) << stopAt;
  }
  Recorder full;
  EXPECT_EQ(CompressToZor(source, 5, animation, full.callback()), ZorCompressResult::Written);
  full.expectCompleteRun();
  EXPECT_EQ(full.reports.back(), std::make_pair(std::int64_t{5}, std::int64_t{5}));
  EXPECT_TRUE(files::exists(temp.file("anim.ZOR")));
}

}  // namespace
}  // namespace tessera
