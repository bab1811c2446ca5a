// The "skin" commands of tessera-cli, run in process on the fixture's skins folder.
#include <gtest/gtest.h>
#include <zip.h>

#include <iostream>
#include <sstream>

#include "cli/command_line.h"
#include "core/platform/files.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

struct CliRun {
  int status = -1;
  std::string out;
};

class SkinCliTest : public testing::EnvironmentTest {
 protected:
  // Runs "tessera-cli skin WORDS --skins <fixture>"; the words are split at blanks.
  CliRun cli(const std::string& arguments) const {
    std::vector<std::string> words;
    std::istringstream split(arguments);
    for (std::string word; split >> word;) words.push_back(word);
    words.push_back("--skins");
    words.push_back(skinsFolder());
    CliRun run;
    std::ostringstream out;
    std::streambuf* previous = std::cout.rdbuf(out.rdbuf());
    run.status = cli::runCommandLine(words);
    std::cout.rdbuf(previous);
    run.out = out.str();
    return run;
  }
  std::vector<std::string> archiveNames(const std::string& path) const {
    std::vector<std::string> names;
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) return names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
      names.emplace_back(zip_get_name(archive, static_cast<zip_uint64_t>(i), 0));
    }
    zip_close(archive);
    return names;
  }
};

TEST_F(SkinCliTest, NewCopyListCleanAndDelete) {
  const std::string t = "skins/Tessera7/TesseraTemplates/TemplateUIS1_Vista/";
  temp.write(t + "TemplateUIS1_Vista.uis", "[TitlebarSkin]\r\nSkinName=T\r\n[Button]\r\nImage=TemplateUIS1_Vista\\b.tga\r\n");
  temp.write(t + "b.tga", "b");
  temp.write(t + "unused.bmp", "u");

  EXPECT_EQ(cli("skin new Fresh --type basic").status, 1) << "only the _Vista template exists";
  EXPECT_EQ(cli("skin new Fresh --type uis1 --vista").status, 0);
  EXPECT_EQ(cli("skin new Fresh --type basic --vista").status, 1) << "the name is taken now";
  EXPECT_EQ(cli("skin new Fresh --type nonsense").status, 2);
  EXPECT_EQ(cli("skin copy Fresh Second").status, 0);
  EXPECT_EQ(cli("skin list").out, "Fresh\nSecond\n");

  EXPECT_EQ(cli("skin clean Second --dry-run").out, "second\\unused.bmp\n");
  EXPECT_TRUE(files::exists(temp.file("skins/Second/unused.bmp")));
  EXPECT_EQ(cli("skin clean Second").out, "second\\unused.bmp\n");
  EXPECT_TRUE(files::exists(temp.file("skins/Second/backup/unused.bmp")));
  EXPECT_EQ(cli("skin clean Second --dry-run").out, "");

  EXPECT_EQ(cli("skin delete ../Second").status, 1);
  EXPECT_EQ(cli("skin delete Second").status, 0);
  EXPECT_EQ(cli("skin list").out, "Fresh\n");
}

TEST_F(SkinCliTest, PackWritesAndReplacesTheDefaultPackage) {
  writeSkin("Boxed", "[TitlebarSkin]\r\nSkinName=Boxed\r\n");
  temp.write("skins/Boxed/pics/inner.tga", "inner");
  const CliRun first = cli("skin pack Boxed");
  ASSERT_EQ(first.status, 0);
  const std::string package = temp.file("skins/Tessera7/VLA/Boxed.vla");
  EXPECT_EQ(first.out, package + "\n");
  EXPECT_EQ(archiveNames(package), (std::vector<std::string>{"Boxed.uis", "inner.tga"}));
  temp.write("skins/Boxed/late.bmp", "late");
  ASSERT_EQ(cli("skin pack Boxed").status, 0);
  EXPECT_EQ(archiveNames(package), (std::vector<std::string>{"Boxed.uis", "late.bmp", "inner.tga"}));
  ASSERT_EQ(cli("skin pack Boxed -o " + temp.file("elsewhere.vla")).status, 0);
  EXPECT_TRUE(files::isFile(temp.file("elsewhere.vla")));
}

TEST_F(SkinCliTest, SubStyleCommands) {
  writeSkin("Multi", "[TitlebarSkin]\r\nSkinName=Multi Skin\r\n");
  EXPECT_EQ(cli("skin substyle Multi add Night -1").status, 0);
  EXPECT_EQ(cli("skin substyle Multi add Day 1").status, 0);
  EXPECT_EQ(cli("skin substyle Multi down 1").status, 0);
  EXPECT_EQ(cli("skin substyle Multi vista-default 2").status, 0);
  EXPECT_EQ(cli("skin substyles Multi").out,
            "0\tMulti Skin\tMulti.uis\n1\tDay\tDay.sss\n2\tNight  (Vista default substyle)\tNight.sss\n");
  EXPECT_EQ(cli("skin substyle Multi up 1").status, 1) << "row 1 cannot move up";
  EXPECT_EQ(cli("skin substyle Multi delete 2").status, 0);
  EXPECT_EQ(cli("skin substyle Multi delete 1").status, 0);
  EXPECT_FALSE(files::exists(temp.file("skins/Multi/Multi.SSD")));
  EXPECT_EQ(cli("skin substyle Multi list").out, "0\tMulti Skin\tMulti.uis\n");
}

TEST_F(SkinCliTest, UnknownCommandsAndMissingArgumentsAreWrongUsage) {
  writeSkin("Multi", "[TitlebarSkin]\r\nSkinName=Multi Skin\r\n");
  EXPECT_EQ(cli("skin nonsense Multi").status, 2);
  EXPECT_EQ(cli("skin new").status, 2);
  EXPECT_EQ(cli("skin substyle Multi").status, 2) << "no sub-style command";
  EXPECT_EQ(cli("skin substyle Multi add Night").status, 2) << "no BASE";
  EXPECT_EQ(cli("skin substyle Multi rename one Day").status, 2) << "INDEX is not a number";
  EXPECT_EQ(cli("skin substyle Multi delete 010x").status, 2);
  EXPECT_EQ(cli("skin substyles Multi").out, "0\tMulti Skin\tMulti.uis\n") << "nothing was changed";
}

}  // namespace
}  // namespace tessera
