#pragma once
// The file dialogs of the cut tool and the frame builder.
#include <QFileDialog>
#include <QString>

namespace tessera::ui {

struct PictureDialogRequest {
  QString title;
  QString filter;         // in Qt's form: "Images (.bmp;.tga) (*.bmp *.tga)"
  QString defaultSuffix;  // appended when the typed name has no extension
  QString initialPath;    // a file to start on, or a folder
  QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
};

// Runs a file dialog of Qt's own (the same on every desktop and under tests); empty = cancelled.
QString RunPictureDialog(QWidget* parent, const PictureDialogRequest& request);

}  // namespace tessera::ui
