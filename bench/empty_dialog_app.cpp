// An empty Qt dialog that ends as soon as it is shown: the yardstick of the editor's start-up.
#include <QApplication>
#include <QDialog>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(0); });
  dialog.exec();
  return 0;
}
