#pragma once
// "Replace animation": chooses, for one of the animations the desktop shows during file
// operations, a video of the skin folder or the system's own animation, and stores it on OK.
#include <QDialog>
#include <QPointer>
#include <string>

#include "core/image/shell_animation.h"
#include "core/skin/skin_document.h"

class QLabel;
class QListWidget;

namespace tessera::ui {

class VideoPreview;

class ShellAnimationDialog final : public QDialog {
  Q_OBJECT
 public:
  ShellAnimationDialog(SkinDocument* document, const std::string& animation, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  VideoPreview* preview() const { return preview_; }
  // The line under the list: what cannot be stored, or why storing failed; empty otherwise.
  QString status() const;

  void accept() override;

 private:
  QPointer<SkinDocument> document_;
  void play(int entry);

  ShellAnimationChoice choice_;
  QListWidget* list_ = nullptr;
  VideoPreview* preview_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace tessera::ui
