#include "core/platform/shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <atomic>

#include "core/platform/paths.h"

namespace tessera {

namespace {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QUrl urlFor(std::string_view target) {
  const QString text = toQString(target);
  if (text.contains(QLatin1String("://")) || text.startsWith(QLatin1String("mailto:"))) return QUrl(text);
  return QUrl::fromLocalFile(QString::fromStdString(paths::resolve(target)));
}

class DesktopShell final : public Shell {
 public:
  bool open(std::string_view target) override { return QDesktopServices::openUrl(urlFor(target)); }
  bool edit(std::string_view file, std::string_view program) override {
    if (!program.empty()) {
      return QProcess::startDetached(toQString(program), {QString::fromStdString(paths::resolve(file))});
    }
    return open(file);
  }
  bool start(std::string_view program, const std::vector<std::string>& arguments) override {
    QStringList args;
    for (const auto& a : arguments) args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(paths::resolve(program)), args);
  }
};

DesktopShell desktopShell;
std::atomic<Shell*> installed{nullptr};

}  // namespace

Shell& CurrentShell() {
  Shell* s = installed.load();
  return s ? *s : desktopShell;
}

Shell* InstallShell(Shell* shell) { return installed.exchange(shell); }

bool RecordingShell::open(std::string_view target) {
  calls.push_back({"open", std::string(target), {}});
  return succeeds;
}

bool RecordingShell::edit(std::string_view file, std::string_view program) {
  calls.push_back({"edit", std::string(file), std::string(program)});
  return succeeds;
}

bool RecordingShell::start(std::string_view program, const std::vector<std::string>& arguments) {
  std::string joined;
  for (const auto& a : arguments) joined += (joined.empty() ? "" : " ") + a;
  calls.push_back({"start", joined, std::string(program)});
  return succeeds;
}

}  // namespace tessera
