// "tessera-cli skin check": the line form, the JSON form and the exit statuses.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>
#include <sstream>

#include "check_fixture.h"
#include "cli/cli_support.h"
#include "cli/command_line.h"

namespace tessera::testing {
namespace {

struct CliRun {
  int status = -1;
  std::string out;
};

class SkinCheckCliTest : public SkinCheckTest {
 protected:
  // Runs "tessera-cli skin WORDS".
  CliRun cli(std::vector<std::string> words) const {
    words.insert(words.begin(), "skin");
    CliRun run;
    std::ostringstream out, err;
    std::streambuf* previousOut = std::cout.rdbuf(out.rdbuf());
    std::streambuf* previousErr = std::cerr.rdbuf(err.rdbuf());
    run.status = cli::runCommandLine(words);
    std::cout.rdbuf(previousOut);
    std::cerr.rdbuf(previousErr);
    run.out = out.str();
    return run;
  }
};

TEST_F(SkinCheckCliTest, LinesAndExitStatus) {
  tga("Good/b.tga", 5, 5);
  writeSkin("Good", "[Buttons]\r\nImage=good\\b.tga\r\nFrameCount=1\r\n[Mystery]\r\n");
  writeSkin("Bad", "[Buttons]\r\nImage=bad\\gone.tga\r\n");

  const CliRun good = cli({"check", "Good", "--skins", skinsFolder()});
  EXPECT_EQ(good.status, 0) << "a note is not an error";
  EXPECT_EQ(good.out, "Good/Good.uis:Mystery:: note: the catalogue does not know this section; the engine ignores it\n");

  const CliRun bad = cli({"check", "Bad", "--skins", skinsFolder()});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "Bad/Bad.uis:Buttons:Image: error: the picture \"bad\\gone.tga\" does not exist\n");

  EXPECT_EQ(cli({"check", "Nobody", "--skins", skinsFolder()}).status, 1) << "no such skin";
  EXPECT_EQ(cli({"check", "../Bad", "--skins", skinsFolder()}).status, 1);
}

TEST_F(SkinCheckCliTest, WrongUsage) {
  writeSkin("Good", "[Buttons]\r\n");
  EXPECT_EQ(cli({"check", "--skins", skinsFolder()}).status, 2) << "no name";
  EXPECT_EQ(cli({"check", "Good", "Other", "--skins", skinsFolder()}).status, 2);
  EXPECT_EQ(cli({"check", "Good", "--skins"}).status, 2) << "--skins without its folder";
  EXPECT_EQ(cli({"check", "Good", "--jsn", "--skins", skinsFolder()}).status, 2) << "an unknown option";
}

TEST_F(SkinCheckCliTest, JsonArrayOfFindings) {
  writeSkin("Bad", "[Buttons]\r\nImage=bad\\gone.tga\r\n[Mystery]\r\n");
  const CliRun run = cli({"check", "Bad", "--json", "--skins", skinsFolder()});
  EXPECT_EQ(run.status, 1);
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
  ASSERT_TRUE(document.isArray());
  const QJsonArray array = document.array();
  ASSERT_EQ(array.size(), 2);
  const bool errorFirst = array[0].toObject().value("level").toString() == "error";
  const QJsonObject first = array[errorFirst ? 0 : 1].toObject();
  EXPECT_EQ(first.value("level").toString(), "error");
  EXPECT_EQ(first.value("file").toString().toStdString(), "Bad/Bad.uis");
  EXPECT_EQ(first.value("section").toString().toStdString(), "Buttons");
  EXPECT_EQ(first.value("key").toString().toStdString(), "Image");
  EXPECT_EQ(first.value("message").toString().toStdString(), "the picture \"bad\\gone.tga\" does not exist");
  EXPECT_EQ(array[errorFirst ? 1 : 0].toObject().value("level").toString(), "note");

  writeSkin("Empty", "[Buttons]\r\n");
  const CliRun clean = cli({"check", "Empty", "--json", "--skins", skinsFolder()});
  EXPECT_EQ(clean.status, 0);
  EXPECT_TRUE(QJsonDocument::fromJson(QByteArray::fromStdString(clean.out)).array().isEmpty()) << clean.out;
}

}  // namespace
}  // namespace tessera::testing
