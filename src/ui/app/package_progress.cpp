#include "ui/app/package_progress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <memory>

#include "core/app/skin_actions.h"
#include "core/platform/environment.h"
#include "core/platform/prompt.h"
#include "core/platform/launcher_failure.h"
#include "core/skin/skin_package.h"
#include "core/skin/skin_session.h"

namespace tessera::ui {

namespace {

constexpr const char* kCaption = "Make VLA package";
constexpr int kSteps = 1000;

}  // namespace

void MakePackageWithProgress(QWidget* parent) {
  if (!Session().isOpen()) return;
  // The package holds the skin as its author sees it, not the last saved state.
  if (!SettleUnsavedChanges()) return;
  const std::string skinsFolder = GetSkinsFolder();
  const std::string skinName = Session().skinName;

  QProgressDialog progress(QStringLiteral("Making the VLA package..."), QString(), 0, kSteps, parent);
  progress.setWindowTitle(QString::fromLatin1(kCaption));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);

  // The archive is written off the interface thread: nothing of the interface runs inside the
  // packing, and the progress arrives as queued calls that die with the dialog.
  PackageResult result;
  std::unique_ptr<QThread> worker(QThread::create([&result, &progress, skinsFolder, skinName] {
    result = MakeSkinPackage(skinsFolder, skinName, {}, [&progress](double share) {
      const int value = static_cast<int>(share * kSteps);
      QMetaObject::invokeMethod(&progress, [&progress, value] { progress.setValue(value); }, Qt::QueuedConnection);
    });
  }));
  QEventLoop loop;
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
  worker->start();
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  worker->wait();
  progress.setValue(kSteps);

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
