#pragma once
// "Clean skin": the TGA and BMP pictures of the skin folder that nothing names, all selected; the
// selected ones are moved into the skin's "backup" folder.
#include <QDialog>
#include <QPointer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <vector>
#include "core/skin/skin_document.h"

namespace tessera::ui {

class PictureView;

class CleanSkinDialog final : public QDialog {
  Q_OBJECT
 public:
  // The scan runs this long after the dialog was made, so the dialog shows first.
  static constexpr int kScanDelayMilliseconds = 100;

  CleanSkinDialog(SkinDocument* document, std::string skinsFolder, std::string skinName, QWidget* parent = nullptr);

  // Runs the scan now when it has not run yet.
  void scanNow();
  bool scanned() const { return scanned_; }
  std::vector<std::string> selectedValues() const;

  QListWidget* list() const { return list_; }
  PictureView* preview() const { return preview_; }
  QPushButton* selectAllButton() const { return selectAll_; }
  QPushButton* selectNoneButton() const { return selectNone_; }
  QPushButton* deleteButton() const { return delete_; }
  QPushButton* cancelButton() const { return cancel_; }
  QWidget* emptyState() const { return empty_; }

 private:
  QPointer<SkinDocument> document_;
  void scan();
  void showCurrent();
  void deleteSelected();

  std::string skinsFolder_;
  std::string skinName_;
  bool scanned_ = false;
  QTimer scanTimer_;
  QListWidget* list_;
  PictureView* preview_;
  QPushButton* selectAll_;
  QPushButton* selectNone_;
  QPushButton* delete_;
  QPushButton* cancel_;
  QWidget* empty_;
};

}  // namespace tessera::ui
