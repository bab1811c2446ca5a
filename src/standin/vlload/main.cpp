// vlload: the engine's loader as Apply starts it. It shows the applied skin (the engine setting
// SkinSet) on a sample desktop; a second start makes the running copy show the newly applied
// skin instead of opening another window.
#include <QApplication>
#include <QMessageBox>

#include "standin/programs/preview_module.h"
#include "standin/programs/single_instance.h"
#include "standin/vlload/sample_desktop.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tessera::standin::SingleInstance instance(QStringLiteral("vlload"));
  if (instance.handOverToRunningCopy()) return 0;
  tessera::standin::PreviewModule preview;
  if (!preview.load()) {
    QMessageBox::critical(nullptr, QStringLiteral("Velarium"), QStringLiteral("The preview library cannot be loaded."));
    return 1;
  }
  tessera::standin::SampleDesktop desktop(preview);
  instance.listen();
  QObject::connect(&instance, &tessera::standin::SingleInstance::activated, &desktop, [&desktop] {
    desktop.showAppliedSkin();
    desktop.showNormal();
    desktop.raise();
    desktop.activateWindow();
  });
  QObject::connect(&instance, &tessera::standin::SingleInstance::closeRequested, &desktop, [&desktop] {
    desktop.close();
    QCoreApplication::quit();
  });
  desktop.showAppliedSkin();
  desktop.resize(1000, 700);
  desktop.show();
  return app.exec();
}
