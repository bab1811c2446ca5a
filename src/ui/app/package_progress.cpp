#include "ui/app/package_progress.h"

#include <QEventLoop>
#include <QThread>
#include <memory>

#include "core/app/skin_actions.h"
#include "core/platform/activity_report.h"
#include "core/platform/environment.h"
#include "core/platform/prompt.h"
#include "core/platform/launcher_failure.h"
#include "core/skin/skin_package.h"
#include "core/skin/skin_session.h"
#include "ui/common/progress_window.h"

namespace tessera::ui {

namespace {

constexpr const char* kCaption = "Make VLA package";

}  // namespace

void MakePackageWithProgress(QWidget* parent) {
  if (!Session().isOpen()) return;
  // The package holds the skin as its author sees it, not the last saved state.
  if (!SettleUnsavedChanges()) return;
  const std::string skinsFolder = GetSkinsFolder();
  const std::string skinName = Session().skinName;

  ProgressWindow progress(parent, QString::fromLatin1(kCaption), QStringLiteral("Making the VLA package..."));
  // The archive is written off the interface thread: nothing of the interface runs inside the
  // packing. Each report waits for the interface's answer, so a Cancel is seen at the next report
  // and the archive is then discarded whole.
  QObject answers;
  PackageResult result;
  std::unique_ptr<QThread> worker(QThread::create([&result, &progress, &answers, skinsFolder, skinName] {
    result = MakeSkinPackage(skinsFolder, skinName, {}, [&](std::int64_t done, std::int64_t total) {
      bool goOn = true;
      QMetaObject::invokeMethod(
          &answers, [&] { goOn = progress.report(done, total); }, Qt::BlockingQueuedConnection);
      return goOn;
    });
  }));
  QEventLoop loop;
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
  worker->start();
  loop.exec();
  worker->wait();
  progress.finish();

  if (result.cancelled) {
    ReportActivity("Making the package of " + skinName + " was cancelled; no package was written.");
    return;
  }
  OpenOrExplain(PackageOutputFolder(skinsFolder));
  if (result.ok) {
    CurrentPrompt().inform("The package " + result.packagePath + " was written with " +
                               std::to_string(result.fileCount) + " files.",
                           kCaption);
  } else {
    CurrentPrompt().inform("The package could not be made: " + result.message, kCaption);
  }
}

}  // namespace tessera::ui
