#include <gtest/gtest.h>
#include <stdlib.h>

#include <QFile>
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

TEST_F(CliTest, EachCommandHasItsOwnHelp) {
  const Result check = run({"skin", "check", "--help"});
  EXPECT_EQ(check.status, 0);
  EXPECT_NE(check.out.find("Usage: tessera-cli skin check [OPTIONS] NAME"), std::string::npos) << check.out;
  EXPECT_NE(check.out.find("--json"), std::string::npos);
  EXPECT_NE(check.out.find("--skins DIR"), std::string::npos);
  EXPECT_EQ(check.out.find("ini get"), std::string::npos) << "only the command's own usage";

  const Result decode = run({"zor", "decode", "-h"});
  EXPECT_EQ(decode.status, 0);
  EXPECT_NE(decode.out.find("-o,--output OUT"), std::string::npos) << decode.out;

  // Asking for help runs nothing, even with the command's arguments all there.
  EXPECT_EQ(run({"ini", "set", path("h.ini"), "S", "k", "v", "--help"}).status, 0);
  EXPECT_FALSE(QFile::exists(path("h.ini")));

  const Result group = run({"zor", "--help"});
  EXPECT_EQ(group.status, 0);
  EXPECT_NE(group.out.find("zor encode STRIP N"), std::string::npos) << group.out;
  EXPECT_EQ(group.out.find("skin check"), std::string::npos);
}

TEST_F(CliTest, HelpListsEveryCommandAndSkinCommandsTakeTheSkinsFolder) {
  const Result help = run({"--help"});
  ASSERT_EQ(help.status, 0);
  EXPECT_EQ(run({"help"}).out, help.out);
  for (const char* command : {"ini get FILE SECTION KEY", "ini delete FILE SECTION [KEY]", "settings set FILE SECTION KEY VALUE",
                              "skin test NAME", "skin reimport NAME", "skin list", "skin copy SOURCE NEW", "skin pack NAME [-o FILE]",
                              "skin substyles NAME", "skin substyle NAME add SUB BASE", "skin substyle NAME seven-default INDEX",
                              "skin check NAME", "skin render NAME -o FILE.png", "image convert IN OUT", "strip to-vertical PATH N",
                              "zor decode FILE -o OUT", "demo DIR"}) {
    EXPECT_NE(help.out.find("\n  " + std::string(command)), std::string::npos) << command;
  }
  // Every skin command spells the skins folder alike.
  QStringList lines = QString::fromStdString(help.out).split('\n');
  int skinCommands = 0;
  for (const QString& line : lines) {
    if (!line.startsWith("  skin ")) continue;
    ++skinCommands;
    EXPECT_TRUE(line.contains("[--skins DIR]")) << line.toStdString();
  }
  EXPECT_GE(skinCommands, 19) << "every skin command is listed";
  // With no arguments at all the same list goes out, as wrong usage.
  const Result nothing = run({});
  EXPECT_EQ(nothing.status, 2);
  EXPECT_EQ(nothing.out, help.out);
}

TEST_F(CliTest, VersionIsTheProjectVersion) {
  const Result version = run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "tessera-cli " TESSERA_VERSION "\n");
}

TEST_F(CliTest, UsageErrorsNameTheArgument) {
  temp.write("skins/Demo/Demo.uis", "[TitlebarSkin]\r\nSkinName=Demo\r\n");
  const struct {
    QStringList args;
    const char* named;
  } cases[] = {
      {{"skin", "check", "Demo", "--jsn", "--skins", path("skins")}, "'--jsn'"},
      {{"skin", "check", "Demo", "--skins"}, "--skins"},
      {{"skin", "render", "Demo", "--skins", path("skins")}, "--output"},
      {{"ini", "get", path("a.ini"), "S"}, "KEY"},
      {{"ini", "get", path("a.ini"), "S", "k", "extra"}, "'extra'"},
      {{"ini", "bogus"}, "'bogus'"},
      {{"nonsense"}, "'nonsense'"},
      {{"zor", "encode", "strip.tga", "-q", "3"}, "'-q'"},
  };
  for (const auto& c : cases) {
    const Result result = run(c.args);
    EXPECT_EQ(result.status, 2) << c.args.join(' ').toStdString();
    EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "") << c.args.join(' ').toStdString();
  }
  // The message points at the help of the command that was meant.
  EXPECT_NE(run({"skin", "check", "--jsn"}).err.find("see tessera-cli skin check --help"), std::string::npos);
}

TEST_F(CliTest, ValuesThatLookLikeOptions) {
  temp.write("v.ini", "[S]\r\n");
  // A negative number is a value; anything else starting with '-' follows "--".
  EXPECT_EQ(run({"ini", "set", path("v.ini"), "S", "n", "-12"}).status, 0);
  EXPECT_EQ(run({"ini", "set", path("v.ini"), "S", "t", "--", "-text"}).status, 0);
  EXPECT_EQ(run({"ini", "get", path("v.ini"), "S", "missing", "--default", "-x"}).out, "-x\n");
  EXPECT_EQ(run({"ini", "get", path("v.ini"), "S", "t", "--size=3"}).out, "-t\n");
  EXPECT_EQ(run({"ini", "section", path("v.ini"), "S"}).out, "n=-12\nt=-text\n");
  // Numbers are decimal: 010 is ten.
  EXPECT_EQ(run({"ini", "get-int", path("v.ini"), "S", "none", "--default", "010"}).out, "10\n");
}

}  // namespace
}  // namespace tessera
