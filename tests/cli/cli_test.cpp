#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include "core/platform/profile.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  Result run(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TESSERA_REGISTRY", QString::fromStdString(temp.file("registry")));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TESSERA_CLI_PATH), args);
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
  }
  QString path(const char* name) { return QString::fromStdString(temp.file(name)); }
  testing::TempDir temp;
};

TEST_F(CliTest, IniCommandsReadAndWrite) {
  temp.write("a.ini", "[S]\r\nk=\"quoted value\"\r\nn=12x\r\n[T]\r\n");
  EXPECT_EQ(run({"ini", "get", path("a.ini"), "S", "k"}).out, "quoted value\n");
  EXPECT_EQ(run({"ini", "get", path("a.ini"), "S", "k", "--size", "4"}).out, "quo\n");
  EXPECT_EQ(run({"ini", "get", path("a.ini"), "S", "missing", "--default", "dflt  "}).out, "dflt\n");
  EXPECT_EQ(run({"ini", "get-int", path("a.ini"), "S", "n"}).out, "12\n");
  EXPECT_EQ(run({"ini", "get-int", path("a.ini"), "S", "none", "--default", "-3"}).out, "4294967293\n");
  EXPECT_EQ(run({"ini", "set", path("a.ini"), "T", "x", "1"}).status, 0);
  EXPECT_EQ(run({"ini", "section", path("a.ini"), "T"}).out, "x=1\n");
  EXPECT_EQ(run({"ini", "delete", path("a.ini"), "S", "k"}).status, 0);
  EXPECT_EQ(run({"ini", "section", path("a.ini"), "S"}).out, "n=12x\n");
  EXPECT_EQ(run({"ini", "delete", path("a.ini"), "S"}).status, 0);
  EXPECT_EQ(run({"ini", "sections", path("a.ini")}).out, "T\n");
}

TEST_F(CliTest, SettingsCommandsUseTheRegistryFolder) {
  EXPECT_EQ(run({"settings", "set", "Tessera.ini", "Tessera", "UIMode", "1"}).status, 0);
  EXPECT_EQ(run({"settings", "get", "Tessera.ini", "tessera", "uimode"}).out, "1\n");
  EXPECT_EQ(run({"settings", "set", "Tessera.ini", "Tessera", "UIMode", "-"}).status, 0);
  EXPECT_EQ(run({"settings", "get", "Tessera.ini", "Tessera", "UIMode", "--default", "0"}).out, "0\n");
}

TEST_F(CliTest, SkinRenderTakesTheSkinsFolderLikeEverySkinCommand) {
  temp.write("skins/Demo/Demo.uis", "[TitlebarSkin]\r\nSkinName=Demo Skin\r\n[Colours]\r\nBackground=0 128 0\r\n");
  const QString skins = path("skins");
  const Result thumbnail = run({"skin", "render", "Demo", "-o", path("thumb.png"), "--skins", skins});
  ASSERT_EQ(thumbnail.status, 0) << thumbnail.err;
  EXPECT_FALSE(QImage(path("thumb.png")).isNull());
  const Result preview =
      run({"skin", "render", "Demo", "--skins", skins, "-o", path("kind.png"), "--kind", "1", "--size", "64x48"});
  ASSERT_EQ(preview.status, 0) << preview.err;
  EXPECT_EQ(QImage(path("kind.png")).size(), QSize(64, 48));
  // A skin that is not in that folder is a failure, not a usage error.
  const Result missing = run({"skin", "render", "Other", "-o", path("other.png"), "--skins", skins});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(QImage(path("other.png")).isNull());
}

TEST_F(CliTest, ExitStatusTellsUsageFromFailure) {
  EXPECT_EQ(run({"--help"}).status, 0);
  EXPECT_EQ(run({}).status, 2);
  EXPECT_EQ(run({"ini", "get", "only-file"}).status, 2);
  EXPECT_EQ(run({"nonsense"}).status, 2);
  const Result failed = run({"ini", "set", path("no/such/dir/a.ini"), "S", "k", "v"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace tessera
