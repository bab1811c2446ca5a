#include "ui/common/file_picker.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QSortFilterProxyModel>

#include "ui/common/picture_view.h"

namespace tessera::ui {

namespace {

// Height of the picture preview under the file list.
constexpr int kPreviewHeight = 160;

// Folders, and the files that have the executable bit for the user.
class ProgramsOnlyModel final : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files) return true;
    const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
    return info.isDir() || info.isExecutable();
  }
};

}  // namespace

QString PickFileWithDialog(QWidget* parent, const FilePickerRequest& request) {
  QFileDialog dialog(parent, request.title);
  // Qt's own dialog: the same on every desktop, and the preview can sit inside it.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const bool open = request.mode == PickerMode::Open;
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilter(request.filter);
  if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.startPath.isEmpty()) {
    const QFileInfo start(request.startPath);
    if (start.isDir()) {
      dialog.setDirectory(start.absoluteFilePath());
    } else {
      if (start.absoluteDir().exists()) dialog.setDirectory(start.absolutePath());
      dialog.selectFile(start.fileName());
    }
  }
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (request.preview) AddPicturePreview(dialog);
  if (request.programsOnly) dialog.setProxyModel(new ProgramsOnlyModel(&dialog));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

PictureView* AddPicturePreview(QFileDialog& dialog) {
  auto* preview = new PictureView(&dialog);
  preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  preview->setFixedHeight(kPreviewHeight);
  // Below the file list, as wide as the dialog.
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(preview, grid->rowCount(), 0, 1, grid->columnCount());
  // The file list keeps the room it had: the dialog grows by the preview.
  dialog.resize(dialog.size().expandedTo(dialog.sizeHint()));
  QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
    // A folder under the cursor shows nothing; any file is tried, whatever its name says.
    if (QFileInfo(path).isFile())
      preview->setImage(path.toStdString());
    else
      preview->clear();
  });
  QObject::connect(&dialog, &QFileDialog::directoryEntered, preview, [preview] { preview->clear(); });
  return preview;
}

FilePicker& CurrentFilePicker() {
  static FilePicker picker = &PickFileWithDialog;
  return picker;
}

}  // namespace tessera::ui
