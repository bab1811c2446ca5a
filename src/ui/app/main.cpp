// Start-up: find the engine, load its two libraries, then run the main window until it ends.
#include <QApplication>
#include <QMessageBox>

#include "core/engine/engine_startup.h"
#include "core/platform/environment.h"
#include "core/platform/prompt.h"
#include "ui/app/message_prompt.h"
#include "ui/app/placeholder_main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessera"));
  QApplication::setOrganizationName(QStringLiteral("Quillmont"));

  const tessera::EngineStartup startup = tessera::LoadEngineModules();
  if (startup != tessera::EngineStartup::Ready) {
    const auto message = tessera::MessageFor(startup);
    QMessageBox::critical(nullptr, QString::fromUtf8(message.caption), QString::fromUtf8(message.text));
    return 1;
  }

  tessera::ui::MessageBoxPrompt prompt;
  tessera::InstallPrompt(&prompt);
  const std::string commandLinePath = tessera::CommandLinePath(argc, argv);
  tessera::ui::PlaceholderMainWindow window(commandLinePath);
  prompt.setOwner(&window);
  window.exec();
  tessera::InstallPrompt(nullptr);
  return 0;
}
