#include "ui/app/about_box.h"

#include <QMessageBox>

namespace tessera::ui {

void ShowAboutBox(QWidget* parent) {
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("About Tessera"));
  box.setTextFormat(Qt::RichText);
  box.setText(QStringLiteral("<h3>Quillmont Tessera 7</h3>"
                             "<p>The skin editor for Velarium: edit window frames, title-bar buttons, the taskbar, "
                             "the start menu and standard controls, with live previews.</p>"
                             "<p>Built with Qt %1.</p>")
                  .arg(QString::fromLatin1(qVersion())));
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

}  // namespace tessera::ui
