#include "core/app/test_skin.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>
#include <optional>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "core/engine/engine_startup.h"
#include "core/platform/activity_report.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/local_socket.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/shell.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"
#include "core/skin/substyles.h"

namespace tessera {

namespace {

constexpr int kConnectTimeoutMs = 200;
constexpr int kReplyTimeoutMs = 2000;
constexpr int kExitTimeoutMs = 1000;
constexpr const char* kTesterSection = "UITEST.EXE";

// The sub-style whose "Skin" names the edited file; the main file (and anything unlisted) is 0.
int SubStyleNumberOf(const SubStyleFile& styles, std::string_view editedFile) {
  std::string name(paths::fileName(editedFile));
  if (!name.empty() && name.back() == '~') name.pop_back();
  const auto list = styles.subStyles();
  for (const SubStyle& style : list) {
    if (style.index > 0 && paths::equalsIgnoreCase(style.skin, name)) return style.index;
  }
  return 0;
}

// The reply without the white space around it (a server may end its lines with "\r\n").
std::string_view Trimmed(std::string_view text) {
  const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && space(text.front())) text.remove_prefix(1);
  while (!text.empty() && space(text.back())) text.remove_suffix(1);
  return text;
}

bool StartTester(std::string_view skinName, std::string_view editedFile) {
  CloseRunningTester();
  const std::string settingsFile = paths::join(GetSkinsFolder(), "vlperapp.ini");
  const std::string name(skinName);
  if (!profile::WriteString(kTesterSection, "Skin", TesterSkinValue(skinName, editedFile), settingsFile)) {
    ReportActivity("Skin " + name + " could not be tested: " + settingsFile + " cannot be written.");
    return false;
  }
  profile::WriteString(kTesterSection, "IgnoreApp", "0", settingsFile);
  if (!CurrentShell().start(TesterProgramPath(), {})) {
    ReportActivity("Skin " + name + " could not be tested: the tester " + TesterProgramPath() + " did not start.");
    return false;
  }
  ReportActivity("Testing skin " + name + " in the tester.");
  return true;
}

}  // namespace

std::string TesterSkinValue(std::string_view skinName, std::string_view editedFile) {
  std::string value(skinName);
  const SubStyleFile styles(GetSkinsFolder(), skinName);
  if (styles.number() > 1) value += "\\" + std::to_string(SubStyleNumberOf(styles, editedFile));
  return value;
}

std::string TesterSkinValue() {
  const SkinSession& s = Session();
  if (!s.isOpen()) return {};
  return TesterSkinValue(s.skinName, s.mainFile);
}

bool TestSkin() {
  const SkinSession& s = Session();
  if (!s.isOpen() || !IsSafeSkinName(s.skinName)) return false;
  return StartTester(s.skinName, s.mainFile);
}

bool TestSkinNamed(std::string_view skinName) {
  if (!IsSafeSkinName(skinName)) return false;
  return StartTester(skinName, std::string(skinName) + ".uis");
}

std::string ProgramServerName(std::string_view program, std::string_view skinsFolder) {
  // Socket names are short paths: the folder is represented by a digest.
  const QByteArray digest = QCryptographicHash::hash(QByteArray(skinsFolder.data(), static_cast<qsizetype>(skinsFolder.size())),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(12);
#ifdef _WIN32
  const long long user = 0;
#else
  const long long user = static_cast<long long>(::getuid());
#endif
  return "tessera-" + std::string(program) + "-" + std::to_string(user) + "-" + digest.toStdString();
}

bool CloseRunningTester() {
  LocalSocketClient socket;
  if (!socket.connectTo(ProgramServerName(kTesterProgramKey, GetSkinsFolderFresh()), kConnectTimeoutMs)) return false;
  if (!socket.writeLine(kCloseRequest, kReplyTimeoutMs)) return false;
  bool closed = false;
  while (!closed) {
    const std::optional<std::string> line = socket.readLine(kReplyTimeoutMs);
    if (!line) break;
    closed = Trimmed(*line) == kClosedReply;
  }
  // The tester quits after answering; give it a moment so that the next start does not find it.
  if (closed) socket.waitForClosed(kExitTimeoutMs);
  return closed;
}

}  // namespace tessera
