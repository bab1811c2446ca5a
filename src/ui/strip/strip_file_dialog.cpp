#include "ui/strip/strip_file_dialog.h"

#include <QFileInfo>

namespace tessera::ui {

QString RunPictureDialog(QWidget* parent, const PictureDialogRequest& request) {
  QFileDialog dialog(parent, request.title);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(request.mode);
  dialog.setFileMode(request.mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilter(request.filter);
  if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
  const QFileInfo start(request.initialPath);
  if (!request.initialPath.isEmpty() && start.isDir()) {
    dialog.setDirectory(start.absoluteFilePath());
  } else if (!request.initialPath.isEmpty()) {
    if (start.absoluteDir().exists()) dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace tessera::ui
