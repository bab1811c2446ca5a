#include "core/platform/profile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <thread>

#include "core/platform/files.h"
#include "support/temp_dir.h"

namespace tessera::profile {
namespace {

class ProfileTest : public ::testing::Test {
 protected:
  std::string file(std::string_view text) { return temp.write("test.ini", text); }
  tessera::testing::TempDir temp;
};

TEST_F(ProfileTest, ReadStringHonoursTheBufferSize) {
  const std::string f = file("[S]\nk=abcdef\n");
  char buffer[4];
  EXPECT_EQ(GetString("S", "k", "", buffer, sizeof buffer, f), 3u);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(GetString("S", "k", "", buffer, 1, f), 0u);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(ReadString("S", "k", "", f, 255), "abcdef");
}

TEST_F(ProfileTest, EmptyTextsAndDefaultsWithoutDataCopyNothing) {
  // A null default and an empty value are views without data; the sanitizer build checks that
  // nothing is copied from them.
  const std::string f = file("[S]\nempty=\n[]\n");
  char buffer[8] = "xxxxxxx";
  EXPECT_EQ(GetString("S", "missing", std::nullopt, buffer, sizeof buffer, f), 0u);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(GetString("S", "empty", std::string_view{}, buffer, sizeof buffer, f), 0u);
  EXPECT_EQ(GetString(std::nullopt, std::nullopt, std::nullopt, buffer, sizeof buffer, f), 3u);
  EXPECT_EQ(std::string(buffer, 4), std::string("S\0\0\0", 4));
  EXPECT_EQ(ReadString("S", "missing", std::string_view{}, f, kWholeValue), "");
}

TEST_F(ProfileTest, DefaultLosesTrailingBlanksAndQuotesAreStrippedOnce) {
  const std::string f = file("[S]\nq=\"quoted\"\nq2='x'\nhalf=\"open\nboth=\"\"a\"\"\n");
  EXPECT_EQ(ReadString("S", "missing", "def  \t", f), "def");
  EXPECT_EQ(ReadString("S", "q", "", f), "quoted");
  EXPECT_EQ(ReadString("S", "q2", "", f), "x");
  EXPECT_EQ(ReadString("S", "half", "", f), "\"open");
  EXPECT_EQ(ReadString("S", "both", "", f), "\"a\"");
}

TEST_F(ProfileTest, ListsEndWithAnExtraNulAndAreCutWhenTooSmall) {
  const std::string f = file("[One]\na=1\nb=2\n[Two]\n[Three]\n");
  char buffer[64];
  std::size_t n = GetString(std::nullopt, std::nullopt, "", buffer, sizeof buffer, f);
  EXPECT_EQ(n, 14u);
  EXPECT_EQ(std::string(buffer, n + 1), std::string("One\0Two\0Three\0\0", 15));
  EXPECT_EQ(buffer[n], '\0');
  n = GetString("One", std::nullopt, "", buffer, sizeof buffer, f);
  EXPECT_EQ(std::string(buffer, n), std::string("a\0b\0", 4));

  char small[7];
  n = GetSectionNames(small, sizeof small, f);
  EXPECT_EQ(n, 5u);
  EXPECT_EQ(std::string(small, 7), std::string("One\0T\0\0", 7));

  n = GetSection("One", buffer, sizeof buffer, f);
  EXPECT_EQ(std::string(buffer, n), std::string("a=1\0b=2\0", 8));
}

TEST_F(ProfileTest, ReadIntegerParsesLeadingDigitsAndWraps) {
  const std::string f = file("[S]\nplain=42\nsigned=-7\nplus=+9\ntext=12abc\nnone=abc\nempty=\nbig=4294967297\nq=\"15\"\n");
  EXPECT_EQ(GetInt("S", "plain", 0, f), 42u);
  EXPECT_EQ(static_cast<int>(GetInt("S", "signed", 0, f)), -7);
  EXPECT_EQ(GetInt("S", "plus", 0, f), 9u);
  EXPECT_EQ(GetInt("S", "text", 0, f), 12u);
  EXPECT_EQ(GetInt("S", "none", 5, f), 0u);
  EXPECT_EQ(GetInt("S", "empty", 5, f), 5u);
  EXPECT_EQ(GetInt("S", "missing", -1, f), 0xffffffffu);
  EXPECT_EQ(GetInt("S", "big", 0, f), 1u);
  EXPECT_EQ(GetInt("S", "q", 0, f), 15u);
}

TEST_F(ProfileTest, WriteCreatesFileSectionAndKeyAndNullsDelete) {
  const std::string f = temp.file("new.ini");
  EXPECT_TRUE(WriteString("Sec", "Key", "Value", f));
  EXPECT_EQ(temp.read("new.ini"), "[Sec]\r\nKey=Value\r\n");
  EXPECT_TRUE(WriteString("Sec", "Other", "2", f));
  EXPECT_TRUE(WriteString("Sec", "Key", std::nullopt, f));
  EXPECT_EQ(ReadString("Sec", "Key", "gone", f), "gone");
  EXPECT_EQ(ReadString("Sec", "Other", "", f), "2");
  EXPECT_TRUE(WriteString("Sec", std::nullopt, std::nullopt, f));
  EXPECT_TRUE(SectionNames(f).empty());
}

TEST_F(ProfileTest, WriteIntoMissingFolderFails) {
  EXPECT_FALSE(WriteString("S", "k", "v", temp.file("no/such/folder/x.ini")));
}

TEST_F(ProfileTest, EveryReadSeesTheFileAsItIsNow) {
  const std::string f = file("[S]\nk=1\n");
  EXPECT_EQ(ReadString("S", "k", "", f), "1");
  // Same size, written by another program right away.
  ASSERT_TRUE(files::writeAllAtomic(f, "[S]\nk=2\n"));
  EXPECT_EQ(ReadString("S", "k", "", f), "2");
  // An in-place rewrite (same inode) is seen too.
  {
    FILE* out = std::fopen(f.c_str(), "r+b");
    ASSERT_NE(out, nullptr);
    std::fputs("[S]\nk=3\n", out);
    std::fclose(out);
  }
  EXPECT_EQ(ReadString("S", "k", "", f), "3");
  ASSERT_EQ(::unlink(f.c_str()), 0);
  EXPECT_EQ(ReadString("S", "k", "missing", f), "missing");
}

TEST_F(ProfileTest, WholeSectionWriteReplacesEntries) {
  const std::string f = file("[A]\nx=1\n[B]\ny=2\n");
  const char list[] = "p=1\0q=2\0";
  EXPECT_TRUE(WriteSection("A", list, f));
  EXPECT_EQ(ReadSection("A", f), (std::vector<std::string>{"p=1", "q=2"}));
  EXPECT_EQ(ReadSection("B", f), (std::vector<std::string>{"y=2"}));
}

TEST_F(ProfileTest, ConcurrentWritersLoseNoKeys) {
  const std::string f = temp.file("shared.ini");
  auto writer = [&](int id) {
    for (int i = 0; i < 50; ++i) WriteString("S", "k" + std::to_string(id) + "_" + std::to_string(i), "v", f);
  };
  std::thread a(writer, 1), b(writer, 2);
  a.join();
  b.join();
  EXPECT_EQ(ReadSection("S", f).size(), 100u);
}

TEST_F(ProfileTest, WriteLeavesNoTemporaryFilesBehind) {
  const std::string f = file("[S]\n");
  for (int i = 0; i < 5; ++i) WriteString("S", "k", std::to_string(i), f);
  EXPECT_EQ(files::listFiles(temp.path()), (std::vector<std::string>{"test.ini"}));
}

}  // namespace
}  // namespace tessera::profile

namespace tessera::profile {
namespace {

TEST(ReadBatchTest, ReadsOneStateOfAFileAndSeesItsOwnWrites) {
  tessera::testing::TempDir temp;
  const std::string f = temp.write("b.ini", "[S]\nk=1\n");
  {
    ReadBatch batch;
    EXPECT_EQ(ReadString("S", "k", "", f), "1");
    ASSERT_TRUE(files::writeAllAtomic(f, "[S]\nk=2\n"));  // another program
    EXPECT_EQ(ReadString("S", "k", "", f), "1");
    WriteString("S", "own", "x", f);  // this thread's write starts from the disk's state
    EXPECT_EQ(ReadString("S", "own", "", f), "x");
    EXPECT_EQ(ReadString("S", "k", "", f), "2");
  }
  ASSERT_TRUE(files::writeAllAtomic(f, "[S]\nk=3\n"));
  EXPECT_EQ(ReadString("S", "k", "", f), "3");
}

}  // namespace
}  // namespace tessera::profile
