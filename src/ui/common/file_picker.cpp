#include "ui/common/file_picker.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QSortFilterProxyModel>
#include <algorithm>

#include "core/image/image_file.h"

namespace tessera::ui {

namespace {

constexpr int kPreviewSide = 160;

// A straight-alpha image of a loaded picture (memory holds pre-multiplied colour).
QPixmap pixmapOf(const ImageBuffer& image) {
  QImage result(image.width(), image.height(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < image.height(); ++y) {
    const std::uint32_t* row = image.rowFromTop(y);
    std::copy(row, row + image.width(), reinterpret_cast<std::uint32_t*>(result.scanLine(y)));
  }
  return QPixmap::fromImage(result);
}

// A label beside the file list that shows the picture under the cursor.
void addPreview(QFileDialog& dialog) {
  auto* preview = new QLabel(&dialog);
  preview->setFixedSize(kPreviewSide, kPreviewSide);
  preview->setAlignment(Qt::AlignCenter);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
  QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
    const auto image = LoadImageFile(path.toStdString());
    if (!image) {
      preview->clear();
      return;
    }
    preview->setPixmap(
        pixmapOf(*image).scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  });
}

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
  if (request.preview) addPreview(dialog);
  if (request.programsOnly) dialog.setProxyModel(new ProgramsOnlyModel(&dialog));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

FilePicker& CurrentFilePicker() {
  static FilePicker picker = &PickFileWithDialog;
  return picker;
}

}  // namespace tessera::ui
