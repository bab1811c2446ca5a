#pragma once
// "Wallpaper management": the JPG wallpapers of the skin folder as thumbnails, the default one
// applied with the skin, and adding or deleting wallpapers. Every change is written at once, each
// one undo step; the window has only "Close".
#include <QDialog>
#include <QPointer>
#include "core/skin/skin_document.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace tessera::ui {

class WallpaperDialog final : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kThumbnailSize = 170;

  explicit WallpaperDialog(SkinDocument* document, QWidget* parent = nullptr);

  QListWidget* thumbnails() const { return thumbnails_; }
  QComboBox* defaultList() const { return defaultList_; }
  void addWallpaper();
  void deleteSelectedWallpaper();

 private:
  QPointer<SkinDocument> document_;
  // Refills the thumbnails and the default list, which shows the stored wallpaper.
  void fillLists();
  void defaultChosen(int index);

  QListWidget* thumbnails_ = nullptr;
  QComboBox* defaultList_ = nullptr;
  QPushButton* delete_ = nullptr;
};

}  // namespace tessera::ui
