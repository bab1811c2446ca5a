// The close request reaches a running tester, and "Test skin" closes it before it writes the
// settings; the command-line route runs the same steps.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <future>
#include <thread>

#include "core/app/test_skin.h"
#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/shell.h"
#include "core/skin/skin_files.h"
#include "standin/programs/single_instance.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

QCoreApplication& Application() {
  static int argc = 1;
  static char name[] = "test_skin_tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > timeoutMs) return false;
    QThread::msleep(20);
  }
  return true;
}

bool TesterListens() {
  QLocalSocket socket;
  socket.connectToServer(QString::fromStdString(ProgramServerName(kTesterProgramKey, GetSkinsFolderFresh())));
  return socket.waitForConnected(100);
}

class TesterCloseTest : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    Application();
    EnvironmentTest::SetUp();
  }
  std::string settingsFile() const { return paths::join(skinsFolder(), "vlperapp.ini"); }
};

TEST_F(TesterCloseTest, NoTesterAnswersAtOnce) {
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(CloseRunningTester());
  EXPECT_LT(timer.elapsed(), 1000);
}

TEST_F(TesterCloseTest, RunningTesterClosesAndQuits) {
  QProcess tester;
  tester.start(QStringLiteral(TESSERA_UITEST_PATH), {});
  ASSERT_TRUE(tester.waitForStarted(5000));
  ASSERT_TRUE(WaitUntil(TesterListens, 10000)) << tester.readAllStandardError().toStdString();
  EXPECT_TRUE(CloseRunningTester());
  EXPECT_TRUE(tester.waitForFinished(5000));
  EXPECT_EQ(tester.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(tester.exitCode(), 0);
  // Its server is gone: the next tester becomes the running copy.
  EXPECT_FALSE(TesterListens());
}

TEST_F(TesterCloseTest, TestSkinClosesTheTesterBeforeWritingTheSettings) {
  temp.write("skins/vlperapp.ini", "[UITEST.EXE]\r\nSkin=Old\r\n");
  std::promise<void> listening;
  std::string skinAtClose;
  std::thread listener([&] {
    QEventLoop loop;
    standin::SingleInstance instance(QString::fromStdString(std::string(kTesterProgramKey)));
    QObject::connect(&instance, &standin::SingleInstance::closeRequested, &loop, [&] {
      skinAtClose = profile::ReadString("UITEST.EXE", "Skin", "", settingsFile());
      loop.quit();
    });
    instance.listen();
    listening.set_value();
    loop.exec();
  });
  listening.get_future().wait();

  RecordingShell shell;
  InstallShell(&shell);
  OpenSkinFiles(writeSkin("Cool", "[A]\r\n"), "");
  const bool started = TestSkin();
  listener.join();
  EXPECT_TRUE(started);
  EXPECT_EQ(skinAtClose, "Old");
  EXPECT_EQ(profile::ReadString("UITEST.EXE", "Skin", "", settingsFile()), "Cool");
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].verb, "start");
}

TEST_F(TesterCloseTest, CommandLineTestsANamedSkin) {
  const std::string marker = temp.file("started");
  const std::string fakeTester = temp.write("other/Tessera7/UITest", "#!/bin/sh\necho started > '" + marker + "'\n");
  QFile::setPermissions(QString::fromStdString(fakeTester), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  temp.write("other/Cool/Cool.uis", "[A]\r\n");
  temp.write("other/Cool/Cool.SSD", "[SkinStyles]\r\nNumber=2\r\n");

  const auto run = [](const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(TESSERA_CLI_PATH), args);
    cli.waitForFinished(30000);
    return cli.exitCode();
  };
  const QString other = QString::fromStdString(temp.file("other"));
  EXPECT_EQ(run({"skin", "test", "Cool", "--skins", other}), 0);
  const std::string written = temp.file("other/vlperapp.ini");
  EXPECT_EQ(profile::ReadString("UITEST.EXE", "Skin", "", written), "Cool\\0");
  EXPECT_EQ(profile::ReadString("UITEST.EXE", "IgnoreApp", "", written), "0");
  EXPECT_TRUE(WaitUntil([&] { return QFile::exists(QString::fromStdString(marker)); }, 5000));

  EXPECT_EQ(run({"skin", "test", "Missing", "--skins", other}), 1);
  EXPECT_EQ(run({"skin", "test", "..", "--skins", other}), 2);
}

}  // namespace
}  // namespace tessera
