// Start-up: find the engine, load its two libraries, then run the main window until it ends.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "core/app/installed_layout.h"
#include "core/engine/engine_startup.h"
#include "core/platform/environment.h"
#include "core/platform/prompt.h"
#include "ui/app/message_prompt.h"
#include "ui/app/main_window.h"
#include "ui/common/appearance.h"
#include "ui/common/startup_warm_up.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessera"));
  QApplication::setOrganizationName(QStringLiteral("Quillmont"));
  QApplication::setDesktopFileName(QStringLiteral("tessera"));
  const tessera::ui::StartupWarmUp warmUp;

  // An installed editor started for the first time sets up the user's engine and skins folders.
  tessera::SetUpFirstRunEnvironment();
  const tessera::EngineStartup startup = tessera::LoadEngineModules();
  if (startup != tessera::EngineStartup::Ready) {
    const auto message = tessera::MessageFor(startup);
    QMessageBox::critical(nullptr, QString::fromUtf8(message.caption), QString::fromUtf8(message.text));
    return 1;
  }

  tessera::ui::ApplyAppearance(tessera::ui::StoredAppearance());

  tessera::ui::MessageBoxPrompt prompt;
  tessera::InstallPrompt(&prompt);
  tessera::ui::MainWindow window(tessera::CommandLinePath(argc, argv));
  prompt.setOwner(&window);
  // For the start-up benchmark and the install test: end as soon as the window is up, before any
  // first-run dialog could wait for an answer.
  if (qEnvironmentVariableIsSet("TESSERA_EXIT_WHEN_SHOWN")) {
    QTimer::singleShot(0, &window, [&window] { window.done(0); });
  } else {
    QTimer::singleShot(0, &window, [&window] { window.finishStartup(); });
  }
  // For documentation and visual checks: save a picture of the window once it is up, then end.
  if (const QString shot = qEnvironmentVariable("TESSERA_SCREENSHOT"); !shot.isEmpty()) {
    QTimer::singleShot(1500, &window, [&window, shot] {
      window.grab().save(shot);
      window.done(0);
    });
  }
  window.exec();
  tessera::InstallPrompt(nullptr);
  return 0;
}
