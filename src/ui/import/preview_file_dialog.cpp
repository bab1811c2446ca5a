#include "ui/import/preview_file_dialog.h"

#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>

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

}  // namespace

PreviewFileDialog::PreviewFileDialog(QWidget* parent, const PreviewFileRequest& request)
    : QFileDialog(parent, request.title) {
  // Qt's own dialog, so that the preview can sit inside it and tests can drive it.
  setOption(QFileDialog::DontUseNativeDialog);
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::ExistingFile);
  setNameFilter(request.filter);
  setDefaultSuffix(request.defaultSuffix);
  if (!request.startFolder.isEmpty()) setDirectory(request.startFolder);
  if (!request.initialName.isEmpty()) selectFile(request.initialName);

  preview_ = new QLabel(this);
  preview_->setFixedSize(kPreviewSide, kPreviewSide);
  preview_->setAlignment(Qt::AlignCenter);
  if (auto* grid = qobject_cast<QGridLayout*>(layout())) grid->addWidget(preview_, 0, grid->columnCount(), grid->rowCount(), 1);
  connect(this, &QFileDialog::currentChanged, this, &PreviewFileDialog::showPreview);
}

void PreviewFileDialog::showPreview(const QString& path) {
  const auto image = LoadImageFile(path.toStdString());
  if (!image) {
    preview_->clear();
    return;
  }
  preview_->setPixmap(pixmapOf(*image).scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio,
                                              Qt::SmoothTransformation));
}

QString PickPreviewFile(QWidget* parent, const PreviewFileRequest& request) {
  PreviewFileDialog dialog(parent, request);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace tessera::ui
