#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

TEST(Paths, StringHelpersAcceptBothSeparators) {
  EXPECT_EQ(paths::fileName("skins\\My Skin/My Skin.uis"), "My Skin.uis");
  EXPECT_EQ(paths::parentFolder("a/b\\c.tga"), "a/b");
  EXPECT_EQ(paths::stem("C:\\x\\name.v2.uis"), "name.v2");
  EXPECT_EQ(paths::extension("dir.d/file"), "");
  EXPECT_EQ(paths::withoutExtension("a/b.c/d.tga"), "a/b.c/d");
  EXPECT_EQ(paths::join("/skins/", "\\Tessera7\\x.ini"), "/skins/Tessera7/x.ini");
  EXPECT_EQ(paths::toStored("skin/b.tga"), "skin\\b.tga");
}

TEST(Paths, ResolveFindsEveryComponentInAnyLetterCase) {
  testing::TempDir temp;
  temp.write("mYsKiN/TITLE.TGA", "x");
  EXPECT_EQ(paths::resolve(temp.path() + "/MySkin\\Title.tga"), temp.path() + "/mYsKiN/TITLE.TGA");
  // A missing last component keeps the name given, below the resolved folder.
  EXPECT_EQ(paths::resolve(temp.path() + "/myskin/New.tga"), temp.path() + "/mYsKiN/New.tga");
  EXPECT_EQ(paths::resolve(temp.path() + "/none/a/b"), temp.path() + "/none/a/b");
}

TEST(Files, WritesReachTheFileThatExistsInAnotherCase) {
  testing::TempDir temp;
  temp.write("Skin/Skin.UIS", "[A]\r\nk=1\r\n");
  EXPECT_TRUE(profile::WriteString("A", "k", "2", temp.path() + "/skin/skin.uis"));
  EXPECT_EQ(files::listFiles(temp.file("Skin")), (std::vector<std::string>{"Skin.UIS"}));
  EXPECT_EQ(temp.read("Skin/Skin.UIS"), "[A]\r\nk=2\r\n");
}

TEST(Files, CopyMoveAndDelete) {
  testing::TempDir temp;
  const std::string a = temp.write("a.txt", "one");
  const std::string b = temp.write("b.txt", "two");
  EXPECT_FALSE(files::copyFile(a, b, false));
  EXPECT_EQ(temp.read("b.txt"), "two");
  EXPECT_TRUE(files::copyFile(a, b, true));
  EXPECT_EQ(temp.read("b.txt"), "one");
  EXPECT_FALSE(files::copyFile(temp.file("missing"), b, true));
  EXPECT_TRUE(files::moveFile(a, temp.file("c.txt")));
  EXPECT_FALSE(files::exists(a));
  EXPECT_FALSE(files::moveFile(temp.file("c.txt"), b));  // never replaces
  EXPECT_TRUE(files::deleteFile(b));
  EXPECT_FALSE(files::deleteFile(b));
}

TEST(Files, ListsPlainFilesByUpperCasedExtension) {
  testing::TempDir temp;
  temp.write("one.tga", "");
  temp.write("Two.TGA", "");
  temp.write("three.bmp", "");
  temp.write("folder.tga/inner.tga", "");
  EXPECT_EQ(files::listFilesWithExtension(temp.path(), "TGA"), (std::vector<std::string>{"Two.TGA", "one.tga"}));
}

TEST(Files, RecursiveDeleteRefusesShortPathsAndNeverFollowsLinks) {
  EXPECT_FALSE(files::removeFolderRecursive("/tmp/abcd"));  // 9 characters
  testing::TempDir outside;
  const std::string keep = outside.write("keep.txt", "precious");
  testing::TempDir temp;
  temp.write("victim/sub/file.txt", "x");
  ASSERT_EQ(::symlink(outside.path().c_str(), temp.file("victim/link").c_str()), 0);
  EXPECT_TRUE(files::removeFolderRecursive(temp.file("victim")));
  EXPECT_FALSE(files::exists(temp.file("victim")));
  EXPECT_EQ(outside.read("keep.txt"), "precious");
}

TEST(Files, LastWriteTimeCountsFrom1601) {
  testing::TempDir temp;
  const std::string f = temp.write("t.txt", "x");
  struct timespec times[2] = {{0, 0}, {1700000000, 123456700}};
  ASSERT_EQ(::utimensat(AT_FDCWD, f.c_str(), times, 0), 0);
  const auto t = files::lastWriteTime(f);
  ASSERT_TRUE(t.has_value());
  const std::uint64_t expected = (1700000000ULL + 11644473600ULL) * 10000000ULL + 1234567ULL;
  EXPECT_EQ(t->value(), expected);
  EXPECT_EQ(t->high, static_cast<std::uint32_t>(expected >> 32));
  EXPECT_EQ(t->low, static_cast<std::uint32_t>(expected));
  EXPECT_FALSE(files::lastWriteTime(temp.file("missing")).has_value());
}

// A process id that belonged to a process which has ended.
pid_t DeadProcessId() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

class AtomicWriteTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { files::detail::allowUnnamedTemporaries(GetParam()); }
  void TearDown() override { files::detail::allowUnnamedTemporaries(true); }
  testing::TempDir temp;
};

TEST_P(AtomicWriteTest, LeavesOnlyTheTargetInItsFolder) {
  temp.write("skin/other.ini", "o");
  const std::string f = temp.file("skin/p.ini");
  ASSERT_TRUE(files::writeAllAtomic(f, "first"));
  ASSERT_TRUE(files::writeAllAtomic(f, "second"));
  EXPECT_EQ(temp.read("skin/p.ini"), "second");
  EXPECT_EQ(files::listFiles(temp.file("skin")), (std::vector<std::string>{"other.ini", "p.ini"}));
  struct stat st{};
  ASSERT_EQ(::stat(f.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST_P(AtomicWriteTest, RemovesTheTemporariesOfDeadWritersOnly) {
  const std::string dead = ".p.ini.tmp" + std::to_string(DeadProcessId()) + "_0";
  const std::string live = ".p.ini.tmp" + std::to_string(::getpid()) + "_999999";
  const std::string otherFile = ".q.ini.tmp" + std::to_string(DeadProcessId()) + "_0";
  for (const auto& name : {dead, live, otherFile, std::string(".p.ini.tmpx_1")}) temp.write("skin/" + name, "debris");
  ASSERT_TRUE(files::writeAllAtomic(temp.file("skin/p.ini"), "new"));
  EXPECT_FALSE(files::exists(temp.file("skin/" + dead)));
  // A running writer's file, another file's temporaries and names of another form stay.
  EXPECT_TRUE(files::exists(temp.file("skin/" + live)));
  EXPECT_TRUE(files::exists(temp.file("skin/" + otherFile)));
  EXPECT_TRUE(files::exists(temp.file("skin/.p.ini.tmpx_1")));
  EXPECT_EQ(temp.read("skin/p.ini"), "new");
}

TEST_P(AtomicWriteTest, KeepsPermissionsAndRefusesFolders) {
  const std::string f = temp.write("p.ini", "a");
  ASSERT_EQ(::chmod(f.c_str(), 0600), 0);
  ASSERT_TRUE(files::writeAllAtomic(f, "b"));
  struct stat st{};
  ASSERT_EQ(::stat(f.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  temp.write("dir/x", "");
  EXPECT_FALSE(files::writeAllAtomic(temp.file("dir"), "b"));
  EXPECT_FALSE(files::writeAllAtomic(temp.file("missing/p.ini"), "b"));
}

TEST(Files, WorkFoldersArePublishedWholeAndRecognised) {
  testing::TempDir temp;
  const std::string work = files::workFolderFor(temp.file("skins/New/"));
  EXPECT_EQ(work, temp.file("skins/.New.partial-" + std::to_string(::getpid())));
  EXPECT_TRUE(files::isWorkFolderName(".New.partial-12"));
  for (const char* name : {"New", ".partial-12", ".New.partial-", ".New.partial-1x", "New.partial-12"}) {
    EXPECT_FALSE(files::isWorkFolderName(name)) << name;
  }

  temp.write("skins/.New.partial-1/New/a.txt", "new");
  {
    const files::UnsyncedWritesUnder unsynced(temp.file("skins/.New.partial-1"));
    ASSERT_TRUE(files::writeAllAtomic(temp.file("skins/.New.partial-1/New/b.txt"), "b"));
  }
  ASSERT_TRUE(files::publishFolder(temp.file("skins/.New.partial-1/New"), temp.file("skins/New")));
  EXPECT_EQ(temp.read("skins/New/b.txt"), "b");
  // An existing folder is exchanged with the new one, whole.
  temp.write("skins/.New.partial-1/New/c.txt", "newer");
  ASSERT_TRUE(files::publishFolder(temp.file("skins/.New.partial-1/New"), temp.file("skins/NEW")));
  EXPECT_EQ(files::listFiles(temp.file("skins/New")), (std::vector<std::string>{"c.txt"}));
  EXPECT_EQ(files::listFiles(temp.file("skins/.New.partial-1/New")), (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_FALSE(files::publishFolder(temp.file("skins/missing"), temp.file("skins/Other")));
}

INSTANTIATE_TEST_SUITE_P(UnnamedAndNamedTemporaries, AtomicWriteTest, ::testing::Bool());

}  // namespace
}  // namespace tessera
