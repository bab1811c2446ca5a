// UITest: the skin tester that "Test skin" starts. It shows the skin named in the engine's
// per-application settings on sample controls; a second start makes the running tester load the
// skin named now, and "Test skin" closes it before starting a new one.
#include <QApplication>
#include <QMessageBox>

#include "standin/programs/preview_module.h"
#include "standin/programs/single_instance.h"
#include "standin/uitest/tester_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tessera::standin::SingleInstance instance(QStringLiteral("uitest"));
  if (instance.handOverToRunningCopy()) return 0;
  tessera::standin::PreviewModule preview;
  if (!preview.load()) {
    QMessageBox::critical(nullptr, QStringLiteral("Skin Tester"), QStringLiteral("The preview library cannot be loaded."));
    return 1;
  }
  tessera::standin::TesterWindow window(preview);
  instance.listen();
  QObject::connect(&instance, &tessera::standin::SingleInstance::activated, &window, [&window] {
    window.reloadSkin();
    window.showNormal();
    window.raise();
    window.activateWindow();
  });
  QObject::connect(&instance, &tessera::standin::SingleInstance::closeRequested, &window, [&window] {
    window.close();
    QCoreApplication::quit();
  });
  window.reloadSkin();
  window.show();
  return app.exec();
}
