// The close request reaches a running tester, and "Test skin" closes it before it writes the
// settings; the command-line route runs the same steps.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <cstring>
#include <future>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "core/app/test_skin.h"
#include "core/platform/environment.h"
#include "core/platform/local_socket.h"
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

// A one-connection server on the tester's name that reads one request and sends `reply` in
// the given pieces, then closes the connection. Runs on its own thread; join() returns the request.
class ScriptedTester {
 public:
  explicit ScriptedTester(QList<QByteArray> pieces) {
    std::promise<void> listening;
    auto ready = listening.get_future();
    thread_ = std::thread([this, pieces, &listening] {
      QLocalServer server;
      server.listen(QString::fromStdString(ProgramServerName(kTesterProgramKey, GetSkinsFolderFresh())));
      listening.set_value();
      if (!server.waitForNewConnection(5000)) return;
      QLocalSocket* socket = server.nextPendingConnection();
      while (!socket->canReadLine() && socket->waitForReadyRead(5000)) {
      }
      request_ = socket->readLine();
      for (const QByteArray& piece : pieces) {
        socket->write(piece);
        socket->flush();
        socket->waitForBytesWritten(5000);
      }
      socket->disconnectFromServer();
      if (socket->state() != QLocalSocket::UnconnectedState) socket->waitForDisconnected(5000);
    });
    ready.wait();
  }
  QByteArray join() {
    thread_.join();
    return request_;
  }

 private:
  std::thread thread_;
  QByteArray request_;
};

TEST_F(TesterCloseTest, CloseRequestReadsTheAnswerWhateverItsPieces) {
  ScriptedTester tester({"busy\r\nclo", "sed\r\n"});
  EXPECT_TRUE(CloseRunningTester());
  EXPECT_EQ(tester.join(), "close\n");
}

TEST_F(TesterCloseTest, AnswerOtherThanClosedIsNoClose) {
  ScriptedTester tester({"closed later\n"});
  EXPECT_FALSE(CloseRunningTester());
  EXPECT_EQ(tester.join(), "close\n");
}

TEST_F(TesterCloseTest, SocketLeftByACrashedTesterIsNoTester) {
  // A socket file that nothing listens on any more, as a killed tester leaves it.
  const std::string path = LocalServerPath(ProgramServerName(kTesterProgramKey, GetSkinsFolderFresh()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof(address.sun_path));
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  ::unlink(path.c_str());
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
  ::close(fd);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
  EXPECT_FALSE(CloseRunningTester());
  ::unlink(path.c_str());
}

TEST_F(TesterCloseTest, SocketPathFollowsTheServersOwnRule) {
  EXPECT_EQ(LocalServerPath("/run/x/sock"), "/run/x/sock");
  QLocalServer server;
  ASSERT_TRUE(server.listen(QStringLiteral("tessera-path-check-%1").arg(::getpid())));
  EXPECT_EQ(LocalServerPath(server.serverName().toStdString()), server.fullServerName().toStdString());
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
