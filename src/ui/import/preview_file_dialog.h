#pragma once
// A file dialog with a picture preview beside the file list, used wherever a picture is chosen
// for importing or compressing.
#include <QFileDialog>
#include <QString>

class QLabel;

namespace tessera::ui {

struct PreviewFileRequest {
  QString title;
  QString filter;       // Qt form, for example "Images (.tga) (*.tga)"
  QString defaultSuffix;
  QString startFolder;  // empty: the working folder
  QString initialName;  // a pattern or a file name
};

class PreviewFileDialog : public QFileDialog {
  Q_OBJECT
 public:
  PreviewFileDialog(QWidget* parent, const PreviewFileRequest& request);

 private:
  void showPreview(const QString& path);

  QLabel* preview_ = nullptr;
};

// Runs the dialog; the chosen file, or empty when cancelled.
QString PickPreviewFile(QWidget* parent, const PreviewFileRequest& request);

}  // namespace tessera::ui
